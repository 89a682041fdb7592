#include "commandline.h"

#include <charconv>
#include <limits>

namespace lomarin {
namespace {

std::optional<int32_t> ParseNumber(std::string_view text, int base) {
  int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  if (value < 0 || value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

}  // namespace

std::optional<OpenRequest> ParseOpenRequest(const std::string& text) {
  const size_t colon = text.find(':');
  std::string_view code = std::string_view(text).substr(0, colon);
  const bool hex = code.size() > 2 && code[0] == '0' && (code[1] == 'x' || code[1] == 'X');
  const std::optional<int32_t> number = ParseNumber(hex ? code.substr(2) : code, hex ? 16 : 10);
  if (!number) return std::nullopt;
  OpenRequest request{*number, -1};
  if (colon != std::string::npos) {
    const std::optional<int32_t> entry = ParseNumber(std::string_view(text).substr(colon + 1), 10);
    if (!entry) return std::nullopt;
    request.entry = *entry;
  }
  return request;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine result;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> value;
    if (const size_t eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    }
    if (name != "--data" && name != "--open") {
      result.error = "unknown argument " + args[i];
      return result;
    }
    if (!value) {
      if (i + 1 == args.size()) {
        result.error = name + " needs a value";
        return result;
      }
      value = args[++i];
    }
    if (name == "--data") {
      result.dataFolder = *value;
    } else if (!(result.open = ParseOpenRequest(*value))) {
      result.error = "--open needs CODE[:ENTRY] (CODE decimal or 0x hex), not " + *value;
      return result;
    }
  }
  return result;
}

}  // namespace lomarin
