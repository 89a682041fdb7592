#include <gtest/gtest.h>

#include "cp874.h"
#include "query.h"

using namespace lomarin;

namespace {

std::string Cp874(std::string_view utf8) {
  std::string bytes;
  EXPECT_TRUE(Utf8ToCp874(utf8, bytes));
  return bytes;
}

}  // namespace

TEST(Query, PhraseKindsAndPreparedTexts) {
  const struct {
    const char* typed;
    int kind;
    const char* text;
  } cases[] = {
      {"ธรรม", kWholeWord, "ธรรม"},   {"ธรรม*", kWordPrefix, "ธรรม"}, {"*ธรรม", kWordSuffix, "ธรรม"},
      {"*ธรรม*", kWordInfix, "ธรรม"}, {"*", kAnyWord, ""},            {"ธ*รรม", kInvalidPhrase, "ธ*รรม"},
      {"**", kInvalidPhrase, "**"},  {"*ก*", kWordInfix, "ก"},       {"ก*", kWordPrefix, "ก"},
      {"***", kInvalidPhrase, "***"},
  };
  for (const auto& c : cases) {
    const Phrase phrase = PreparePhrase(Cp874(c.typed));
    EXPECT_EQ(phrase.Kind, c.kind) << c.typed;
    EXPECT_EQ(PhraseKind(Cp874(c.typed)), c.kind) << c.typed;
    EXPECT_EQ(phrase.Text, Cp874(c.text)) << c.typed;
  }
}

TEST(Query, SplittingAtSpacesOnly) {
  const struct {
    std::string query;
    std::vector<std::string> pieces;
  } cases[] = {
      {"  ab   cd  ", {"ab", "cd"}},
      {"\t\r\nab\tcd x\x01", {"ab\tcd", "x"}},
      {"     ", {}},
      {"", {}},
      {"a b c d e f g h i j", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitQuery(c.query), c.pieces) << c.query;
}

TEST(Query, WordMatchingPerKind) {
  const struct {
    const char* word;
    const char* phrase;
    int kind;
    bool breaks;
    bool match;
  } cases[] = {
      {"abc", "abc", kWholeWord, false, true},
      {"abcd", "abc", kWholeWord, false, false},  // a token one byte longer
      {"ab", "abc", kWordPrefix, false, false},
      {"abcd", "abc", kWordPrefix, false, true},
      {"xabc", "abc", kWordPrefix, false, false},
      {"xyabc", "abc", kWordSuffix, false, true},
      {"abcab", "ab", kWordSuffix, false, true},  // the first try fails, the later one ends with the word
      {"xabcx", "abc", kWordSuffix, false, false},
      {"xabcx", "abc", kWordInfix, false, true},
      {"xaxbc", "abc", kWordInfix, false, false},
      {"anything", "", kAnyWord, false, true},
      {"abc", "abc", kInvalidPhrase, false, false},
      {"ab\r\nc", "abc", kWholeWord, true, true},  // a line break inside a token is stepped over
      {"ab\r\nc", "abc", kWholeWord, false, false},
      {"ab\r\n", "ab", kWholeWord, true, false},  // the line break still belongs to the token
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MatchWord(c.word, c.phrase, c.kind, c.breaks), c.match) << c.word << " / " << c.phrase << " " << c.kind;
  }
}

TEST(Query, RarestByteIsTheFirstStrictlyRarer) {
  std::array<int32_t, 256> counts;
  counts.fill(10000000);
  counts['b'] = 50;
  counts['c'] = 50;
  counts['d'] = 9;
  const std::vector<Phrase> phrases = {{"abc", kWholeWord}, {"", kAnyWord}, {"xdd", kWholeWord}};
  EXPECT_EQ(RarestByte({phrases[0]}, counts), (Anchor{'b', 2, 0}));  // ties go to the earliest
  EXPECT_EQ(RarestByte(phrases, counts), (Anchor{'d', 2, 2}));
  EXPECT_EQ(RarestByte({{"xyz", kWholeWord}}, counts), (Anchor{0, 0, 0}));  // nothing below 10,000,000
}
