#include "parallel.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <thread>
#include <vector>

namespace lomarin::mkdata {

void ParallelFor(size_t count, const std::function<void(size_t)>& job) {
  std::vector<std::exception_ptr> errors(count);
  std::atomic<size_t> next{0};
  const auto worker = [&] {
    for (size_t i; (i = next.fetch_add(1)) < count;) {
      try {
        job(i);
      } catch (...) {
        errors[i] = std::current_exception();
      }
    }
  };
  const size_t threads = std::min<size_t>(count, std::max(1u, std::thread::hardware_concurrency()));
  std::vector<std::thread> pool;
  for (size_t t = 1; t < threads; ++t) pool.emplace_back(worker);
  worker();
  for (std::thread& t : pool) t.join();
  for (const std::exception_ptr& e : errors) {
    if (e) std::rethrow_exception(e);
  }
}

}  // namespace lomarin::mkdata
