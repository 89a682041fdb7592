// lomarin-cli: options, commands and exit codes. Text crosses this boundary as UTF-8
// and is code page 874 inside.
#pragma once

#include <functional>
#include <map>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace lomarin::cli {

enum ExitCode { kOk = 0, kNo = 1, kError = 2 };

// Bad arguments: an unknown command or operation, a wrong count, a non-integer, text
// that code page 874 cannot hold. Reported on standard error with exit code 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Context {
  std::string dataFolder;  // ends in "/"
  std::ostream& out;
  std::ostream& err;
};

using Command = std::function<int(Context&, const std::vector<std::string>& args)>;

// Runs lomarin-cli with argv[1..]; returns the exit code. Errors go to ctx.err.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Helpers shared by the commands.
int ParseInt(const std::string& text);
std::string ToCp874(const std::string& utf8);
void ExpectArgCount(const std::vector<std::string>& args, size_t n, const char* usage);

// The commands, each in its own file.
int RunExtract(Context& ctx, const std::vector<std::string>& args);
int RunStore(Context& ctx, const std::vector<std::string>& args);
int RunSearch(Context& ctx, const std::vector<std::string>& args);

}  // namespace lomarin::cli
