// Byte and phrase searches for the scans. The scans ask for the next occurrence of a
// common Thai letter hundreds of thousands of times per volume, mostly a few hundred
// bytes ahead, where a call to memchr costs more than the search itself: the bytes are
// compared inline, 16 at a time where the processor has SSE2 (every x86-64 does).
#pragma once

#include <algorithm>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lomarin {

// The first occurrence of `byte` at or after `from`, or npos.
inline size_t FindByte(std::string_view text, unsigned char byte, size_t from) {
  const size_t size = text.size();
  if (from >= size) return std::string_view::npos;
  const char* data = text.data();
#if defined(__SSE2__)
  const __m128i wanted = _mm_set1_epi8(static_cast<char>(byte));
  for (; from + 16 <= size; from += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
    const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, wanted)));
    if (mask != 0) return from + static_cast<size_t>(__builtin_ctz(mask));
  }
  for (; from < size; ++from) {
    if (static_cast<unsigned char>(data[from]) == byte) return from;
  }
  return std::string_view::npos;
#else
  const void* hit = std::memchr(data + from, byte, size - from);
  return hit ? static_cast<size_t>(static_cast<const char*>(hit) - data) : std::string_view::npos;
#endif
}

// The first start in [from, stop) where `phrase` (not empty) stands as it is, or npos.
// Candidates are the starts whose first and last bytes both agree, 16 at a time.
inline size_t FindPhrase(std::string_view text, std::string_view phrase, size_t from, size_t stop) {
  const size_t length = phrase.size();
  if (length > text.size()) return std::string_view::npos;
  stop = std::min(stop, text.size() - length + 1);
  const char* data = text.data();
  const auto rest = [&](size_t at) { return std::memcmp(data + at + 1, phrase.data() + 1, length - 1) == 0; };
#if defined(__SSE2__)
  if (length > 1) {
    const __m128i first = _mm_set1_epi8(phrase[0]);
    const __m128i last = _mm_set1_epi8(phrase[length - 1]);
    for (; from + 16 <= stop; from += 16) {
      const __m128i starts = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from));
      const __m128i ends = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + from + length - 1));
      auto mask = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(starts, first), _mm_cmpeq_epi8(ends, last))));
      for (; mask != 0; mask &= mask - 1) {
        const size_t at = from + static_cast<size_t>(__builtin_ctz(mask));
        if (rest(at)) return at;
      }
    }
  }
#endif
  for (; from < stop; ++from) {
    if (data[from] == phrase[0] && rest(from)) return from;
  }
  return std::string_view::npos;
}

}  // namespace lomarin
