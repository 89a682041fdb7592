// A fault in a library source: the file, the 1-based line and what was wrong. The
// compiler stops at the first one and leaves no output behind.
#pragma once

#include <stdexcept>
#include <string>

namespace lomarin::mkdata {

class SourceError : public std::runtime_error {
 public:
  // Line 0 names the file as a whole.
  SourceError(const std::string& path, int line, const std::string& message)
      : std::runtime_error(path + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + message) {}
};

}  // namespace lomarin::mkdata
