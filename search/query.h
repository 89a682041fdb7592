// The query language: a query is cut at spaces into phrases, each phrase is classified
// by where its asterisks stand, and the asterisks are then dropped. All texts are code
// page 874 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lomarin {

// Phrase kinds, decided on the phrase as typed.
enum : int {
  kInvalidPhrase = 0,  // an asterisk inside, or "**"
  kWholeWord = 1,      // word
  kWordPrefix = 2,     // word*  : a word beginning with the phrase
  kWordSuffix = 3,     // *word  : a word ending with the phrase
  kWordInfix = 4,      // *word* : a word containing the phrase
  kAnyWord = 5,        // *      : any one word
};

struct Phrase {
  std::string Text;  // without its asterisks once prepared
  int Kind = kInvalidPhrase;
  friend bool operator==(const Phrase&, const Phrase&) = default;
};

// The query without the bytes of value 32 or less at both ends.
std::string_view TrimQuery(std::string_view query);

// The non-empty pieces of the trimmed query between spaces (byte 32); tabs and every
// other byte belong to a phrase. All pieces are returned; the caller enforces the limits.
std::vector<std::string> SplitQuery(std::string_view query);

int PhraseKind(std::string_view phrase);

// The phrase as typed, classified and without the asterisks its kind calls for.
Phrase PreparePhrase(std::string_view typed);

// Whether `word` matches the prepared phrase of `kind` (0 never matches). Text tokens
// may hold line breaks: with stepOverBreaks, before each comparison after the first a
// word byte of 13 or less is stepped over together with the byte after it.
bool MatchWord(std::string_view word, std::string_view phrase, int kind, bool stepOverBreaks);

// The byte a scan anchors on: the first byte, over the phrases in order, whose count is
// below every earlier one, starting from 10,000,000. position is 1-based in its phrase;
// 0 (with byte 0 in phrase 0) when no count is that low.
struct Anchor {
  unsigned char byte = 0;
  int position = 0;
  int phrase = 0;
  friend bool operator==(const Anchor&, const Anchor&) = default;
};
Anchor RarestByte(const std::vector<Phrase>& phrases, const std::array<int32_t, 256>& counts);

}  // namespace lomarin
