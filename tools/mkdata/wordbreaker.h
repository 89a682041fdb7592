// Cuts book text into the words of the search index: the text is split into tokens at
// spaces, tabs and line ends (every byte up to 0x20), and libthai's word breaker cuts each
// token into words; a token it cannot cut stays whole. libthai works in TIS-620, which is
// code page 874 for every Thai letter, so the bytes are passed as they are.
//
// One breaker per thread: it owns a libthai breaker and a cache of cut tokens (book text
// repeats its tokens, and cutting is the costly part).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct _ThBrk;

namespace lomarin::mkdata {

class WordBreaker {
 public:
  WordBreaker();
  ~WordBreaker();
  WordBreaker(const WordBreaker&) = delete;
  WordBreaker& operator=(const WordBreaker&) = delete;

  // Calls onWord(word, bytePosition) for every word of text, in text order.
  template <typename OnWord>
  void ForEachWord(std::string_view text, OnWord&& onWord) {
    size_t i = 0;
    while (i < text.size()) {
      while (i < text.size() && static_cast<unsigned char>(text[i]) <= 0x20) ++i;
      const size_t start = i;
      while (i < text.size() && static_cast<unsigned char>(text[i]) > 0x20) ++i;
      if (i == start) break;
      const std::string_view token = text.substr(start, i - start);
      size_t from = 0;
      for (const uint16_t cut : Cuts(token)) {
        onWord(token.substr(from, cut - from), static_cast<int32_t>(start + from));
        from = cut;
      }
      onWord(token.substr(from), static_cast<int32_t>(start + from));
    }
  }

  // The byte offsets inside token where one word ends and the next begins.
  const std::vector<uint16_t>& Cuts(std::string_view token);

 private:
  _ThBrk* m_brk = nullptr;
  std::unordered_map<std::string, std::vector<uint16_t>> m_cache;
  std::vector<uint16_t> m_scratch;
  std::vector<int> m_positions;
  std::string m_token;
};

}  // namespace lomarin::mkdata
