// The one error type of the book data store. A file that cannot be opened carries the
// text the user sees, "Cannot open file PATH"; damaged data names the file, the member
// or record, and what was wrong. Lookups let it through; loaders catch it.
#pragma once

#include <stdexcept>
#include <string>

namespace lomarin {

class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message) : std::runtime_error(message) {}

  static FileError CannotOpen(const std::string& path) { return FileError("Cannot open file " + path); }
};

}  // namespace lomarin
