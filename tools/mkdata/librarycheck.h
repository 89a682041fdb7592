// lomarin-mkdata --check: verifies that a data folder holds together. Every index hit
// lies on its word in its volume's text and inside a record of the volume's position
// table; contents lines, pages and items lie inside their texts; link targets lie inside
// the tables they point into; the byte counts match the texts; the lists, the other
// books and the encyclopedia are whole. Damaged or missing files are problems too.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace lomarin::mkdata {

struct CheckResult {
  std::vector<std::string> problems;  // the first ones found, each naming the file
  size_t problemCount = 0;            // all found
};

// dataFolder ends in "/". At most maxShown problems are kept in the result.
CheckResult CheckLibrary(const std::string& dataFolder, size_t maxShown = 100);

}  // namespace lomarin::mkdata
