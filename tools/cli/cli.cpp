#include "cli.h"

#include <charconv>

#include "cp874.h"
#include "datafolder.h"
#include "fileerror.h"

namespace lomarin::cli {
namespace {

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"extract", RunExtract},
      {"store", RunStore},
      {"search", RunSearch},
  };
  return commands;
}

constexpr const char* kUsage = "usage: lomarin-cli [--data DIR] COMMAND [ARGS...]";

}  // namespace

int ParseInt(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) throw UsageError("not an integer: " + text);
  return value;
}

std::string ToCp874(const std::string& utf8) {
  std::string bytes;
  if (!Utf8ToCp874(utf8, bytes)) throw UsageError("text not representable in code page 874: " + utf8);
  return bytes;
}

void ExpectArgCount(const std::vector<std::string>& args, size_t n, const char* usage) {
  if (args.size() != n) throw UsageError(std::string("usage: lomarin-cli ") + usage);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    std::optional<std::string> dataOption;
    size_t i = 0;
    for (; i < args.size() && args[i].rfind("--", 0) == 0; ++i) {
      if (args[i] == "--data" && i + 1 < args.size()) {
        dataOption = args[++i];
      } else if (args[i].rfind("--data=", 0) == 0) {
        dataOption = args[i].substr(7);
      } else {
        throw UsageError("unknown option " + args[i] + "\n" + kUsage);
      }
    }
    if (i == args.size()) throw UsageError(kUsage);
    const auto command = Commands().find(args[i]);
    if (command == Commands().end()) throw UsageError("unknown command " + args[i] + "\n" + kUsage);
    Context ctx{ResolveDataFolder(ProcessDataFolderInputs(dataOption)), out, err};
    const std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
    return command->second(ctx, rest);
  } catch (const UsageError& e) {
    err << e.what() << '\n';
  } catch (const FileError& e) {
    err << e.what() << '\n';
  } catch (const std::exception& e) {
    err << "error: " << e.what() << '\n';
  }
  return kError;
}

}  // namespace lomarin::cli
