#include "query.h"

#include "bytesearch.h"

namespace lomarin {
namespace {

constexpr char kAsterisk = '*';
constexpr int32_t kNoRarerThan = 10000000;

}  // namespace

std::string_view TrimQuery(std::string_view query) {
  const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!query.empty() && blank(query.front())) query.remove_prefix(1);
  while (!query.empty() && blank(query.back())) query.remove_suffix(1);
  return query;
}

std::vector<std::string> SplitQuery(std::string_view query) {
  std::vector<std::string> pieces;
  std::string_view rest = TrimQuery(query);
  while (!rest.empty()) {
    const size_t space = rest.find(' ');
    const std::string_view piece = rest.substr(0, space);
    if (!piece.empty()) pieces.emplace_back(piece);
    if (space == std::string_view::npos) break;
    rest.remove_prefix(space + 1);
  }
  return pieces;
}

int PhraseKind(std::string_view phrase) {
  const size_t length = phrase.size();
  if (length == 0) return kWholeWord;
  for (size_t i = 1; i + 1 < length; ++i) {
    if (phrase[i] == kAsterisk) return kInvalidPhrase;
  }
  const bool first = phrase.front() == kAsterisk;
  const bool last = phrase.back() == kAsterisk;
  if (first && last) return length == 1 ? kAnyWord : length == 2 ? kInvalidPhrase : kWordInfix;
  if (first) return kWordSuffix;
  if (last) return kWordPrefix;
  return kWholeWord;
}

Phrase PreparePhrase(std::string_view typed) {
  Phrase phrase{std::string(typed), PhraseKind(typed)};
  switch (phrase.Kind) {
    case kWordPrefix: phrase.Text.pop_back(); break;
    case kWordSuffix: phrase.Text.erase(0, 1); break;
    case kWordInfix: phrase.Text = phrase.Text.substr(1, phrase.Text.size() - 2); break;
    case kAnyWord: phrase.Text.clear(); break;
    default: break;
  }
  return phrase;
}

bool MatchWord(std::string_view word, std::string_view phrase, int kind, bool stepOverBreaks) {
  if (kind == kAnyWord) return true;
  if (kind == kInvalidPhrase || phrase.empty() || word.size() < phrase.size()) return false;
  const bool anchoredAtStart = kind == kWholeWord || kind == kWordPrefix;
  const bool mustEndWithWord = kind == kWholeWord || kind == kWordSuffix;
  const size_t lastStart = anchoredAtStart ? 0 : word.size() - phrase.size();
  for (size_t start = 0; start <= lastStart; ++start) {
    if (word[start] != phrase[0]) continue;
    size_t at = start + 1;
    bool equal = true;
    for (size_t j = 1; j < phrase.size() && equal; ++j, ++at) {
      if (stepOverBreaks && at < word.size() && IsBreakByte(word[at])) at += 2;
      equal = at < word.size() && word[at] == phrase[j];
    }
    if (equal && (!mustEndWithWord || at == word.size())) return true;
  }
  return false;
}

Anchor RarestByte(const std::vector<Phrase>& phrases, const std::array<int32_t, 256>& counts) {
  Anchor anchor;
  int32_t lowest = kNoRarerThan;
  for (size_t p = 0; p < phrases.size(); ++p) {
    const std::string& text = phrases[p].Text;
    for (size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      if (counts[byte] < lowest) {
        lowest = counts[byte];
        anchor = {byte, static_cast<int>(i + 1), static_cast<int>(p)};
      }
    }
  }
  return anchor;
}

}  // namespace lomarin
