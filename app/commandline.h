// The desktop program's command line:
//   lomarin [--data DIR] [--open CODE[:ENTRY]]
// --data names the data folder; --open issues a document request at start-up: CODE is a
// request code in decimal or 0x hex, ENTRY a contents entry of the document. Each option
// may also be written --name=VALUE.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lomarin {

struct OpenRequest {
  int32_t code = 0;
  int32_t entry = -1;
};

struct CommandLine {
  std::optional<std::string> dataFolder;
  std::optional<OpenRequest> open;
  std::string error;  // not empty when the arguments are refused
};

// `args` without the program name (and without the options Qt took for itself).
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// "CODE[:ENTRY]"; nothing when it is malformed or out of range.
std::optional<OpenRequest> ParseOpenRequest(const std::string& text);

}  // namespace lomarin
