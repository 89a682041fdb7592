#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "bytesearch.h"

using namespace lomarin;

namespace {

// Random texts over a few letters, spaces, tabs and line breaks, long enough to cross
// the gathering blocks.
std::string RandomText(std::mt19937& random, size_t size) {
  static const std::string kBytes = "abcabcab  \t\r\n\x01";
  std::string text;
  for (size_t i = 0; i < size; ++i) text += kBytes[random() % kBytes.size()];
  return text;
}

// The word-start rule as written next to the class, one occurrence at a time.
bool FitsWordStart(std::string_view text, size_t at, const ByteOccurrences::WordStart& word) {
  const size_t span = word.lead + 1;
  const size_t reach = 3 * word.lead + 1;
  if (at < reach || at + 1 >= text.size()) return true;
  bool broken = false;
  for (size_t back = 1; back <= span; ++back) broken = broken || IsBreakByte(text[at - back]);
  bool startNear = false;
  for (size_t back = span; back <= reach; ++back) startNear = startNear || IsTokenEnd(text[at - back]);
  const bool fits = IsTokenEnd(text[at - span]) && text[at - 1] == static_cast<char>(word.prev) &&
                    (text[at + 1] == static_cast<char>(word.next) || IsBreakByte(text[at + 1]));
  return (broken && startNear) || fits;
}

}  // namespace

TEST(ByteOccurrences, AnswersAsAPlainSearchAtEveryStep) {
  std::mt19937 random(5);
  const ByteOccurrences::WordStart words[] = {{1, 'a', 'c'}, {2, 'b', 'a'}, {ByteOccurrences::kMaxLead, 'c', 'b'}};
  for (const size_t size : {0, 1, 63, 64, 65, 200, 8191, 8192, 8193, 30000}) {
    const std::string text = RandomText(random, size);
    for (const auto* word : {static_cast<const ByteOccurrences::WordStart*>(nullptr), &words[0], &words[1], &words[2]}) {
      ByteOccurrences found = word ? ByteOccurrences(text, 'b', *word) : ByteOccurrences(text, 'b');
      // Rising positions with jumps, past block ends, and once back to the start.
      for (size_t from = 0; from <= size + 1; from += 1 + random() % 300) {
        size_t expected = from;
        while (expected < size && (text[expected] != 'b' || (word && !FitsWordStart(text, expected, *word)))) ++expected;
        ASSERT_EQ(found.From(from), expected < size ? expected : std::string_view::npos) << size << " " << from;
      }
      size_t first = 0;
      while (first < size && (text[first] != 'b' || (word && !FitsWordStart(text, first, *word)))) ++first;
      ASSERT_EQ(found.From(0), first < size ? first : std::string_view::npos) << "asked again from the start";
    }
  }
}

TEST(FindPhrase, AnswersAsAPlainSearchWithinItsRange) {
  std::mt19937 random(9);
  const std::string text = RandomText(random, 5000);
  for (const std::string phrase : {"a", "ab", "abc", "b\r\na", "cab  a"}) {
    for (int i = 0; i < 200; ++i) {
      const size_t from = random() % 5000;
      const size_t stop = from + random() % 400;
      const size_t plain = text.find(phrase, from);
      const size_t expected = plain != std::string::npos && plain < stop ? plain : std::string_view::npos;
      ASSERT_EQ(FindPhrase(text, phrase, from, stop), expected) << phrase << " " << from << " " << stop;
    }
  }
}

TEST(FirstNotBelow, AnswersAsABinarySearchFromAnyStart) {
  std::mt19937 random(3);
  for (const size_t size : {0, 1, 15, 16, 17, 40, 300}) {
    std::vector<int32_t> ascending(size);
    int32_t at = 0;
    for (int32_t& entry : ascending) entry = at += 1 + static_cast<int32_t>(random() % 20);
    for (int i = 0; i < 200; ++i) {
      const size_t from = size == 0 ? 0 : random() % (size + 1);
      const auto value = static_cast<int32_t>(random() % (static_cast<uint32_t>(at) + 30));
      const size_t expected = std::max<size_t>(
          from, static_cast<size_t>(std::lower_bound(ascending.begin(), ascending.end(), value) - ascending.begin()));
      ASSERT_EQ(FirstNotBelow(ascending, from, value), expected) << size << " " << from << " " << value;
    }
  }
}
