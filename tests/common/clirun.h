// Runs lomarin-cli in-process and keeps what it printed and its exit code.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli.h"

namespace lomarin::testing {

struct CliResult {
  int code;
  std::string out, err;
};

inline CliResult RunCli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = cli::Run(args, out, err);
  return {code, out.str(), err.str()};
}

}  // namespace lomarin::testing
