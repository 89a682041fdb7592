#include "findheadword.h"

#include <algorithm>

namespace lomarin {
namespace {

std::string_view Cut(std::string_view text) { return text.substr(0, std::min(text.size(), kHeadwordBufferBytes)); }

size_t CommonPrefixLength(std::string_view a, std::string_view b) {
  size_t n = 0;
  while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
  return n;
}

}  // namespace

std::optional<int> FindHeadword(const std::vector<std::string>& headwords, std::string_view typed) {
  if (headwords.empty()) return std::nullopt;
  const std::string_view text = Cut(typed);
  if (text.empty()) return 0;
  // Trying the leading parts of the text from the longest down and taking the first
  // headword that has one is taking the first headword with the longest common prefix,
  // found here in one pass.
  std::optional<int> found;
  size_t longest = 0;
  for (size_t i = 0; i < headwords.size() && longest < text.size(); ++i) {
    const size_t common = CommonPrefixLength(text, Cut(headwords[i]));
    if (common > longest) {
      longest = common;
      found = static_cast<int>(i);
    }
  }
  return found;
}

}  // namespace lomarin
