// Runs independent jobs on every core. The compiler's work is per volume; the first
// failure in job order is the one reported, so errors do not depend on timing.
#pragma once

#include <cstddef>
#include <functional>

namespace lomarin::mkdata {

// Calls job(0) … job(count − 1), several at once; rethrows the exception of the lowest
// failing job after all have ended.
void ParallelFor(size_t count, const std::function<void(size_t)>& job);

}  // namespace lomarin::mkdata
