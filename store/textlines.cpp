#include "textlines.h"

namespace lomarin {

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t crlf = text.find("\r\n", start);
    if (crlf == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, crlf - start));
    start = crlf + 2;
  }
  return lines;
}

}  // namespace lomarin
