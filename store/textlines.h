// Book text as lines. Every text, contents list and table of the store counts 0-based
// lines split at CR LF. A lone CR or LF stays inside its line, and a final CR LF makes
// no extra empty line, so line k starts at byte sum(length of line i + 2) for i < k —
// the text view and the search rely on that.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lomarin {

std::vector<std::string> SplitLines(std::string_view text);

// What a loader fills: the reader's text view, or a plain list of lines. Loaders call
// ReplaceText once, on success only, so a failed load leaves the target as it was.
class TextTarget {
 public:
  virtual ~TextTarget() = default;
  // The whole code page 874 text (CR LF line ends) replaces the target's lines.
  virtual void ReplaceText(std::string text) = 0;
};

// A string list: the lines of the last text given.
class LineList final : public TextTarget {
 public:
  void ReplaceText(std::string text) override { lines = SplitLines(text); }
  std::vector<std::string> lines;
};

}  // namespace lomarin
