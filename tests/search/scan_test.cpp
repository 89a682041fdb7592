#include <gtest/gtest.h>

#include <random>

#include "bytesearch.h"
#include "scan.h"

using namespace lomarin;

namespace {

Anchor AnchorOn(const std::vector<Phrase>& phrases, std::string_view rare) {
  std::array<int32_t, 256> counts;
  counts.fill(10000000);
  int32_t count = 10;
  for (const char byte : rare) counts[static_cast<unsigned char>(byte)] = count--;
  return RarestByte(phrases, counts);
}

struct AdjacentHit {
  int32_t position;
  std::string text;
  friend bool operator==(const AdjacentHit&, const AdjacentHit&) = default;
  friend std::ostream& operator<<(std::ostream& out, const AdjacentHit& hit) {
    return out << hit.position << " \"" << hit.text << '"';
  }
};

std::vector<AdjacentHit> Adjacent(std::string_view text, const std::vector<Phrase>& phrases, std::string_view rare) {
  std::vector<AdjacentHit> hits;
  ScanAdjacent(text, phrases, AnchorOn(phrases, rare), [&](int32_t position, std::string&& matched) {
    hits.push_back({position, matched});
    return true;
  });
  return hits;
}

}  // namespace

TEST(FullScan, AnchorsCandidateStartsAndLineBreaks) {
  const struct {
    std::string text;
    std::string phrase;
    std::string rare;
    std::vector<int32_t> hits;
  } cases[] = {
      {"xx abc abc", "abc", "b", {3, 7}},
      {"ab\r\nc", "abc", "c", {0}},       // anchor after the line break: moved back by 2
      {"a\r\nbc", "abc", "c", {0}},       // the line break inside: stepped over while comparing
      {"\r\nabc", "abc", "a", {2}},       // a candidate start on the CR records the first matched byte
      {"bc", "abc", "b", {}},             // a candidate start before the text is no match
      {"abc", "abc", "q", {}},            // the anchor byte 0 does not occur
      {"ab\r\nabc", "abc", "b", {4}},
  };
  for (const auto& c : cases) {
    const std::vector<Phrase> phrases = {{c.phrase, kWholeWord}};
    EXPECT_EQ(ScanPhrase(c.text, c.phrase, AnchorOn(phrases, c.rare), 100), c.hits) << c.text;
  }
  // No rarest byte: the anchor is byte 0 at position 0, whose candidate start lies after it.
  EXPECT_EQ(ScanPhrase(std::string("\0ab", 3), "ab", Anchor{}, 100), (std::vector<int32_t>{1}));
  EXPECT_EQ(ScanPhrase("abab abab", "ab", AnchorOn({{"ab", kWholeWord}}, "b"), 3).size(), 3u);
}

TEST(FullScan, LongTextFindsAcrossBlocksAndAtTheEnd) {
  const std::string text = std::string(15, 'x') + "abc" + std::string(40, 'x') + "abc";
  EXPECT_EQ(ScanPhrase(text, "abc", AnchorOn({{"abc", kWholeWord}}, "c"), 100), (std::vector<int32_t>{15, 58}));
}

TEST(FullScan, TwoAnchorsReachingOneStartRecordItOnce) {
  // "ab" anchored on b: b at 3 gives start 2 ('\n', moved back to 0); b at 1 gives 0 too.
  const std::string text = "ab\nb";
  EXPECT_EQ(ScanPhrase(text, "ab", AnchorOn({{"ab", kWholeWord}}, "b"), 100), (std::vector<int32_t>{0}));
  // The limit counts the positions kept, not the anchors that led to them.
  EXPECT_EQ(ScanPhrase(text + text + text, "ab", AnchorOn({{"ab", kWholeWord}}, "b"), 2), (std::vector<int32_t>{0, 4}));
}

TEST(Adjacency, TokensAndLineBreaks) {
  const std::vector<Phrase> twoWords = {{"ab", kWholeWord}, {"cd", kWholeWord}};
  EXPECT_EQ(Adjacent("ab cd  ab\t cd", twoWords, "c"), (std::vector<AdjacentHit>{{0, "ab cd"}, {7, "ab  cd"}}));
  // A line break does not end a token: "ab\r\ncd" is one token, not two words.
  EXPECT_EQ(Adjacent("ab\r\ncd", twoWords, "c"), std::vector<AdjacentHit>{});
  // A token one byte longer than a whole-word phrase does not match.
  EXPECT_EQ(Adjacent("abx cd ab cdx", twoWords, "c"), std::vector<AdjacentHit>{});
  // A match spanning a line break inside a token, cleaned of it.
  EXPECT_EQ(Adjacent("a\r\nb cd", twoWords, "c"), (std::vector<AdjacentHit>{{0, "ab cd"}}));
  // Prefix and suffix kinds, and a lone asterisk standing for exactly one token.
  const std::vector<Phrase> kinds = {{"ab", kWordPrefix}, {"", kAnyWord}, {"cd", kWordSuffix}};
  EXPECT_EQ(Adjacent("abz q xcd ab xcd", kinds, "c"), (std::vector<AdjacentHit>{{0, "abz q xcd"}}));
  EXPECT_EQ(Adjacent("cd", {{"", kAnyWord}, {"cd", kWholeWord}}, "c"), std::vector<AdjacentHit>{});
}

TEST(Adjacency, KeyTokenAroundLineBreaks) {
  // Anchored on b, so that the line break lies in the key token itself.
  const std::vector<Phrase> twoWords = {{"ab", kWholeWord}, {"cd", kWholeWord}};
  EXPECT_EQ(Adjacent("a\r\nb cd", twoWords, "b"), (std::vector<AdjacentHit>{{0, "ab cd"}}));
  EXPECT_EQ(Adjacent("ab\r\nx cd ab cd", twoWords, "b"), (std::vector<AdjacentHit>{{9, "ab cd"}}));
  // A word beginning: a line break after the anchor is stepped over, unless the byte
  // after it ends the token.
  const std::vector<Phrase> prefix = {{"abc", kWordPrefix}, {"d", kWholeWord}};
  EXPECT_EQ(Adjacent("ab\r\ncx d", prefix, "b"), (std::vector<AdjacentHit>{{0, "abcx d"}}));
  EXPECT_EQ(Adjacent("ab\r cd", prefix, "b"), std::vector<AdjacentHit>{});
}

TEST(Adjacency, MatchedTextIsCutTo255Bytes) {
  const std::string longWord(300, 'a');
  const auto hits = Adjacent(longWord + " cd", {{"a", kWordPrefix}, {"cd", kWholeWord}}, "c");
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0].text, std::string(255, 'a'));
}

TEST(Adjacency, TabAnchorEnds) {
  // The tab is the rarest byte and ends the token before it: the scan must still end.
  EXPECT_EQ(Adjacent("ab\tcd ab\tcd", {{"ab\tcd", kWholeWord}, {"x", kWholeWord}}, "\t"), std::vector<AdjacentHit>{});
}

namespace {

// The items found, each as its number followed by its offsets.
std::vector<std::vector<int32_t>> SameItem(std::string_view text, const std::vector<Phrase>& phrases,
                                           const Anchor& anchor, const PositionTable& items) {
  const ItemMatches found = ScanSameItem(text, LineBreaksOf(text), phrases, anchor, items);
  std::vector<std::vector<int32_t>> rows;
  for (size_t i = 0; i < found.numbers.size(); ++i) {
    rows.push_back({found.numbers[i]});
    for (size_t p = 0; p < phrases.size(); ++p) rows.back().push_back(found.offsets[i * phrases.size() + p]);
  }
  return rows;
}

}  // namespace

TEST(SameItem, OneRecordPerItemWithFirstOccurrences) {
  //                      item 1: 0 … 15        item 2: 16 … 27
  const std::string text = "zz ab cd ab cd  |ab x\r\ny cd";
  const PositionTable items({{1, 0, 15}, {2, 16, 26}});
  EXPECT_TRUE(SameItem(text, {{"cd", kWholeWord}, {"zq", kWholeWord}}, Anchor{'c', 1, 0}, items).empty());
  const std::vector<Phrase> both = {{"cd", kWholeWord}, {"ab", kWholeWord}};
  using Rows = std::vector<std::vector<int32_t>>;
  EXPECT_EQ(SameItem(text, both, Anchor{'c', 1, 0}, items), (Rows{{1, 6, 3}, {2, 25, 17}}));
  // Inside the item a phrase may run across a line break.
  EXPECT_EQ(SameItem(text, {{"cd", kWholeWord}, {"xy", kWholeWord}}, Anchor{'y', 2, 1}, items), (Rows{{2, 25, 20}}));
}

TEST(SameItem, MatchStartingBeforeItsAnchorsItemEnds) {
  // "abc" starts in item 1 and its anchor c lies in item 2: the scan goes on after c
  // instead of meeting it again for ever.
  const std::string text = "abc abc";
  const PositionTable items({{1, 0, 1}, {2, 2, 6}});
  EXPECT_EQ(SameItem(text, {{"abc", kWholeWord}, {"ab", kWholeWord}}, Anchor{'c', 3, 0}, items),
            (std::vector<std::vector<int32_t>>{{1, 0, 0}, {2, 4, 4}}));
}

TEST(SameItem, FirstOccurrenceBrokenByALineBreakBeforeTheAnchorsMatch) {
  // The anchor c matches "abc" at 2, but "a\rbc" at 0 is an occurrence too, the first.
  EXPECT_EQ(SameItem("a\rabc", {{"abc", kWholeWord}, {"b", kWholeWord}}, Anchor{'c', 3, 0}, PositionTable({{1, 0, 4}})),
            (std::vector<std::vector<int32_t>>{{1, 0, 3}}));
  // In a longer item: an occurrence broken by CR LF comes before one standing whole.
  const std::string text = std::string(30, 'x') + "abc" + std::string(30, 'y') + "d\r\nef def";
  const PositionTable item({{1, 0, static_cast<int32_t>(text.size() - 1)}});
  EXPECT_EQ(SameItem(text, {{"abc", kWholeWord}, {"def", kWholeWord}}, Anchor{'c', 3, 0}, item),
            (std::vector<std::vector<int32_t>>{{1, 30, 63}}));
}

TEST(SameItem, UnorderedTableAnswersAsItsBinarySearch) {
  // Records out of order: the lookup finds only what the binary search finds.
  const std::string text = "ab" + std::string(8, '.') + "ab" + std::string(8, '.');
  const PositionTable items({{2, 10, 19}, {1, 0, 9}});
  EXPECT_EQ(SameItem(text, {{"ab", kWholeWord}, {"b", kWholeWord}}, Anchor{'b', 2, 0}, items),
            (std::vector<std::vector<int32_t>>{{2, 10, 11}}));
}

namespace {

// Adjacency as the whole text cut into tokens: every run of phrases.size() tokens that
// match the phrases in order, at its first token.
std::vector<AdjacentHit> AdjacentByTokens(std::string_view text, const std::vector<Phrase>& phrases) {
  std::vector<std::pair<size_t, size_t>> tokens;
  for (size_t at = 0; at < text.size();) {
    if (IsTokenEnd(text[at])) {
      ++at;
      continue;
    }
    const size_t start = at;
    while (at < text.size() && !IsTokenEnd(text[at])) ++at;
    tokens.emplace_back(start, at);
  }
  std::vector<AdjacentHit> hits;
  for (size_t first = 0; first + phrases.size() <= tokens.size(); ++first) {
    bool all = true;
    for (size_t j = 0; j < phrases.size() && all; ++j) {
      const auto [start, end] = tokens[first + j];
      all = MatchWord(text.substr(start, end - start), phrases[j].Text, phrases[j].Kind, true);
    }
    const size_t start = tokens[first].first;
    if (all) hits.push_back({static_cast<int32_t>(start), CleanMatchedText(text.substr(start, tokens[first + phrases.size() - 1].second - start))});
  }
  return hits;
}

}  // namespace

TEST(Adjacency, LongTextsAnswerAsTheWholeTextCutIntoTokens) {
  // Words and their pieces run together, between spaces, tabs and line breaks, so that
  // key tokens begin and break at every distance from the anchor, across gathering blocks.
  const std::vector<std::string> pieces = {"abcd", "abcdef", "xyz", "xy", "bc", "cd", "ab", "b", "c", "d",
                                           " ", " ", "  ", "\t", "\r\n", "\r", "\n", "q",
                                           "abcdefghijklmnopq", "ghijklmnopq", "op", "pq"};
  const std::vector<std::vector<Phrase>> queries = {
      {{"abcdef", kWholeWord}, {"xyz", kWholeWord}},  {{"abcd", kWordPrefix}, {"xy", kWordPrefix}},
      {{"xyz", kWholeWord}, {"abcd", kWordPrefix}},   {{"abc", kWordPrefix}, {"", kAnyWord}, {"cd", kWordSuffix}},
      {{"bcd", kWordSuffix}, {"xyz", kWholeWord}},
      {{"abcdefghijklmnopq", kWholeWord}, {"xy", kWordPrefix}},  // on "p": the longest lead filtered
  };
  // The anchor on each letter of the phrases in turn (the rarest-byte rule picks one of them).
  std::mt19937 random(11);
  for (int round = 0; round < 20; ++round) {
    std::string text;
    while (text.size() < 20000) text += pieces[random() % pieces.size()];
    for (const auto& phrases : queries) {
      for (const std::string_view rare : {"a", "b", "c", "d", "f", "p", "y"}) {
        if (std::none_of(phrases.begin(), phrases.end(), [&](const Phrase& p) { return p.Text.find(rare) != std::string::npos; })) continue;
        ASSERT_EQ(Adjacent(text, phrases, rare), AdjacentByTokens(text, phrases)) << round << " anchored on " << rare;
      }
    }
  }
}
