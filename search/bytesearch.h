// Byte and phrase searches for the scans. The scans ask for the next occurrence of a
// common Thai letter hundreds of thousands of times per volume, mostly a few hundred
// bytes ahead, where a call to memchr costs more than the search itself: the bytes are
// compared inline, 16 at a time where the processor has SSE2 (every x86-64 does).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lomarin {

// A line-break byte (CR, LF, and the other bytes of 13 or less): word matching steps over
// it together with the byte after it.
inline bool IsBreakByte(unsigned char byte) { return byte <= 13; }

// Space and tab end a token; line breaks do not.
inline bool IsTokenEnd(unsigned char byte) { return byte == ' ' || byte == '\t'; }

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

// Bit j set where text[from + j] is `byte`, for the positions [from, stop): a few
// candidates are told apart with one comparison rather than a branch each.
// REQUIRES: from <= stop <= text.size() and stop - from <= 16.
inline unsigned ByteBits(std::string_view text, unsigned char byte, size_t from, size_t stop) {
#if defined(__SSE2__)
  if (stop >= 16 && stop <= text.size()) {
    const size_t block = stop - 16;
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + block));
    const auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(static_cast<char>(byte)))));
    return mask >> (from - block);
  }
#endif
  unsigned bits = 0;
  for (size_t at = from; at < stop; ++at) bits |= unsigned{static_cast<unsigned char>(text[at]) == byte} << (at - from);
  return bits;
}

// The first index at or after `from` of an ascending array whose entry is not below
// `value`, found 16 entries a step: the line breaks inside an item are passed over this
// way rather than with a branch each.
inline size_t FirstNotBelow(std::span<const int32_t> ascending, size_t from, int32_t value) {
#if defined(__SSE2__)
  const __m128i limit = _mm_set1_epi32(value);
  while (from + 16 <= ascending.size()) {
    unsigned below = 0;
    for (unsigned i = 0; i < 4; ++i) {
      const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(ascending.data() + from + 4 * i));
      below |= static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmplt_epi32(four, limit)))) << (4 * i);
    }
    const auto count = static_cast<size_t>(__builtin_ctz(~below));  // ascending: the entries below come first
    from += count;
    if (count < 16) return from;
  }
#endif
  while (from < ascending.size() && ascending[from] < value) ++from;
  return from;
}

// The occurrences of one byte in a text, asked for at rising positions. They are gathered
// a block of text at a time, 64 bytes per step with no branch per occurrence: a common
// letter met every hundred bytes or so costs a mispredicted branch each time it stops a
// plain byte search, more than the search itself.
//
// With a word start, only the occurrences that may be byte number `lead` (from 0) of a
// token that begins with `lead` given bytes, the last of them `prev`, and goes on with
// `next`, where a line break (a byte of 13 or less) and the byte after it may stand before
// any byte but the first: those lead + 1 bytes after a space or tab with `prev` just
// before and `next` or a line break just after, and those with a line break among the
// lead + 1 bytes before them and a space or tab lead + 1 to 3 × lead + 1 bytes back.
// Occurrences nearer the text's start than that, or at its last byte, are always given.
// REQUIRES: the text is shorter than 4 GiB.
class ByteOccurrences {
 public:
  struct WordStart {
    size_t lead;  // 1 to kMaxLead
    unsigned char prev;
    unsigned char next;
  };
  static constexpr size_t kMaxLead = 15;

  ByteOccurrences(std::string_view text, unsigned char byte) : m_text(text), m_byte(byte) {}
  ByteOccurrences(std::string_view text, unsigned char byte, WordStart word)
      : m_text(text), m_byte(byte), m_word(word), m_withWord(true) {}

  // The first occurrence at or after `from`, or npos. Asking again from an earlier
  // position costs a gathering again.
  size_t From(size_t from) {
    if (from < m_lastFrom) {
      if (from < m_blockStart) Gather(from);
      m_next = 0;
    }
    m_lastFrom = from;
    for (;;) {
      while (m_next < m_count && m_found[m_next] < from) ++m_next;
      if (m_next < m_count) return m_found[m_next];
      if (m_blockEnd >= m_text.size()) return std::string_view::npos;
      Gather(std::max(from, m_blockEnd));
    }
  }

 private:
  static constexpr size_t kBlock = 8192;

  // Keeps the gathered occurrences that fit the word start, without a branch for each.
  void KeepWordStarts() {
    const auto* data = reinterpret_cast<const unsigned char*>(m_text.data());
    const size_t span = m_word.lead + 1;
    const size_t reach = 3 * m_word.lead + 1;
    const size_t size = m_text.size();
    size_t kept = 0;
    for (size_t i = 0; i < m_count; ++i) {
      const size_t at = m_found[i];
      m_found[kept] = static_cast<uint32_t>(at);
      if (at < reach || at + 1 >= size) {
        ++kept;
        continue;
      }
      bool broken = false;
      for (size_t back = 1; back <= span; ++back) broken |= IsBreakByte(data[at - back]);
      bool startNear = false;
      for (size_t back = span; back <= reach; ++back) startNear |= IsTokenEnd(data[at - back]);
      const unsigned char after = data[at + 1];
      const bool fits = IsTokenEnd(data[at - span]) & (data[at - 1] == m_word.prev) &
                        ((after == m_word.next) | IsBreakByte(after));
      kept += static_cast<size_t>((broken & startNear) | fits);
    }
    m_count = kept;
  }

  // Gathers the occurrences in [start, start + kBlock).
  void Gather(size_t start) {
    const size_t size = m_text.size();
    const size_t end = std::min(size, start + kBlock);
    m_blockStart = start;
    m_blockEnd = end;
    m_count = 0;
    m_next = 0;
    size_t at = start;
#if defined(__SSE2__)
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(m_byte));
    for (; at + 64 <= end; at += 64) {
      const auto equal = [&](size_t i) {
        return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(m_text.data() + i)), wanted);
      };
      const __m128i e0 = equal(at), e1 = equal(at + 16), e2 = equal(at + 32), e3 = equal(at + 48);
      const auto bits = [](__m128i e) { return static_cast<uint64_t>(static_cast<unsigned>(_mm_movemask_epi8(e))); };
      uint64_t mask = bits(e0) | bits(e1) << 16 | bits(e2) << 32 | bits(e3) << 48;
      // The count, from the lanes (each 0 or −1) summed: no popcount instruction is
      // assumed of the processor.
      const __m128i lanes = _mm_sub_epi8(_mm_setzero_si128(), _mm_add_epi8(_mm_add_epi8(e0, e1), _mm_add_epi8(e2, e3)));
      const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
      const auto count = static_cast<size_t>(_mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8)));
      // Four written whatever the count (slots past it are overwritten later): most steps
      // hold fewer, so the loop after rarely runs.
      uint32_t* out = m_found.data() + m_count;
      const auto base = static_cast<uint32_t>(at);
      for (size_t i = 0; i < 4; ++i, mask &= mask - 1) {
        out[i] = base + static_cast<uint32_t>(__builtin_ctzll(mask | uint64_t{1} << 63));
      }
      for (size_t i = 4; i < count; ++i, mask &= mask - 1) out[i] = base + static_cast<uint32_t>(__builtin_ctzll(mask));
      m_count += count;
    }
#endif
    for (; at < end; ++at) {
      if (static_cast<unsigned char>(m_text[at]) == m_byte) m_found[m_count++] = static_cast<uint32_t>(at);
    }
    if (m_withWord) KeepWordStarts();
  }

  std::string_view m_text;
  unsigned char m_byte;
  WordStart m_word{};
  bool m_withWord = false;
  size_t m_lastFrom = 0;
  size_t m_blockStart = 0;
  size_t m_blockEnd = 0;
  std::array<uint32_t, kBlock + 4> m_found;  // the first m_count are filled
  size_t m_count = 0;
  size_t m_next = 0;
};

// The first start in [from, stop) where `phrase` (not empty) stands as it is, or npos.
// Candidates are the starts whose first and last bytes both agree, 16 at a time.
inline size_t FindPhrase(std::string_view text, std::string_view phrase, size_t from, size_t stop) {
  const size_t length = phrase.size();
  if (length > text.size()) return std::string_view::npos;
  stop = std::min(stop, text.size() - length + 1);
  const char* data = text.data();
  // Inline: phrases are short, and most candidates differ within a byte or two.
  const auto rest = [&](size_t at) {
    for (size_t j = 1; j < length; ++j) {
      if (data[at + j] != phrase[j]) return false;
    }
    return true;
  };
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
