// Whole-file reads and atomic writes, shared by the compiler, the hit tables and the
// search history: a crash never leaves a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace lomarin {

// The whole file; raises FileError::CannotOpen(path) when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Writes bytes to path + ".tmp" then renames it over path. Raises FileError on failure.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace lomarin
