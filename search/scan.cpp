#include "scan.h"

#include <algorithm>
#include <cstring>

#include "bytesearch.h"

namespace lomarin {
namespace {

constexpr char kCR = 13;
constexpr char kTab = '\t';
constexpr size_t kMaxMatchedText = 255;
// How much of the text after an item the same-item scan asks the memory to fetch early.
constexpr size_t kPrefetchBytes = 1024;

// Whether every byte of `phrase` compares as it stands in both kinds of matching: no
// line-break byte (the tab among them) and no space. The quick paths below rely on it;
// other phrases take the general walks.
bool IsPlain(std::string_view phrase) {
  return std::none_of(phrase.begin(), phrase.end(), [](char c) { return IsBreakByte(c) || c == ' '; });
}

// Compares phrase bytes from `at` onwards; before each comparison from `firstChecked` on,
// a CR in the text is stepped over with the byte after it.
[[gnu::always_inline]] inline bool EqualSteppingOverCR(std::string_view text, size_t at, std::string_view phrase,
                                                       size_t firstChecked, size_t* firstMatched) {
  for (size_t j = 0; j < phrase.size(); ++j, ++at) {
    if (j >= firstChecked && at < text.size() && text[at] == kCR) at += 2;
    if (at >= text.size() || text[at] != phrase[j]) return false;
    if (j == 0 && firstMatched) *firstMatched = at;
  }
  return true;
}

// Token boundaries: [start, end) of the maximal run around `at` of bytes that do not end
// a token.
size_t TokenStartBefore(std::string_view text, size_t at) {
  while (at > 0 && !IsTokenEnd(text[at - 1])) --at;
  return at;
}

size_t TokenEndFrom(std::string_view text, size_t at) {
  while (at < text.size() && !IsTokenEnd(text[at])) ++at;
  return at;
}

// The first occurrence of `phrase` starting inside [start, last] of an item, or −1: the
// phrase's first byte there, the others compared with a CR stepped over before each.
int64_t FindInItem(std::string_view text, size_t start, size_t last, std::string_view phrase) {
  for (size_t from = start; from <= last;) {
    const size_t at = FindByte(text.substr(0, last + 1), static_cast<unsigned char>(phrase[0]), from);
    if (at == std::string_view::npos) return -1;
    if (EqualSteppingOverCR(text, at, phrase, 1, nullptr)) return static_cast<int64_t>(at);
    from = at + 1;
  }
  return -1;
}

// The line breaks of a text asked for at rising positions, as the items come.
class LineBreakWalk {
 public:
  explicit LineBreakWalk(std::span<const int32_t> breaks) : m_breaks(breaks) {}

  // The index of the first line break at or after `position`.
  size_t FirstFrom(size_t position) {
    const auto before = [](int32_t cr, size_t at) { return static_cast<size_t>(cr) < at; };
    if (m_next > 0 && !before(m_breaks[m_next - 1], position)) {
      m_next = static_cast<size_t>(std::lower_bound(m_breaks.begin(), m_breaks.end(), position, before) - m_breaks.begin());
    }
    m_next = position > static_cast<size_t>(INT32_MAX) ? m_breaks.size()
                                                        : FirstNotBelow(m_breaks, m_next, static_cast<int32_t>(position));
    return m_next;
  }
  size_t Count() const { return m_breaks.size(); }
  size_t operator[](size_t i) const { return static_cast<size_t>(m_breaks[i]); }

 private:
  std::span<const int32_t> m_breaks;
  size_t m_next = 0;
};

// The first start in [start, stop) of an occurrence of a plain phrase whose first
// stepped-over CR lies at most `width` bytes after the start, or −1. Only the starts
// just before each CR need the stepping comparison.
[[gnu::always_inline]] inline int64_t FirstBrokenOccurrence(std::string_view text, LineBreakWalk& breaks, size_t start,
                                                           size_t stop, std::string_view phrase, size_t width) {
  if (width == 0 || start >= stop) return -1;
  size_t untested = start;
  for (size_t i = breaks.FirstFrom(start + 1); i < breaks.Count() && breaks[i] < stop + width; ++i) {
    const size_t cr = breaks[i];
    const size_t last = std::min(cr, stop);
    for (size_t from = std::max(untested, cr - std::min(cr, width)); from < last; from += 16) {
      const size_t to = std::min(from + 16, last);
      for (unsigned bits = ByteBits(text, static_cast<unsigned char>(phrase[0]), from, to); bits != 0;
           bits &= bits - 1) {
        const size_t candidate = from + static_cast<size_t>(__builtin_ctz(bits));
        if (EqualSteppingOverCR(text, candidate, phrase, 1, nullptr)) return static_cast<int64_t>(candidate);
      }
    }
    untested = cr;
  }
  return -1;
}

// FindInItem's answer for a plain phrase: the first of the occurrences standing as they
// are, found 16 starts at a time, and those with a CR inside, whose first stepped-over
// CR lies among the phrase.size() − 1 bytes after their start.
[[gnu::always_inline]] inline int64_t FindPlainInItem(std::string_view text, LineBreakWalk& breaks, size_t start,
                                                     size_t last, std::string_view phrase) {
  const size_t whole = FindPhrase(text, phrase, start, last + 1);
  const size_t stop = whole == std::string_view::npos ? last + 1 : whole;
  const int64_t broken = FirstBrokenOccurrence(text, breaks, start, stop, phrase, phrase.size() - 1);
  if (broken >= 0 || whole == std::string_view::npos) return broken;
  return static_cast<int64_t>(whole);
}

// Item lookups for the rising positions of one scan: on an ordered table, a walk forward
// finds the same record as Find's binary search.
class ItemWalk {
 public:
  explicit ItemWalk(const PositionTable& table) : m_table(table) {}

  std::optional<PositionRecord> Find(int32_t position) {
    if (!m_table.IsOrdered() || position < m_lastPosition) return m_table.Find(position);
    m_lastPosition = position;
    const std::vector<PositionRecord>& records = m_table.Records();
    while (m_next < records.size() && records[m_next].end < position) ++m_next;
    if (m_next < records.size() && records[m_next].start <= position) return records[m_next];
    return std::nullopt;
  }

 private:
  const PositionTable& m_table;
  int32_t m_lastPosition = INT32_MIN;
  size_t m_next = 0;
};

// Whether a token beginning (ending) with `byte` can match `phrase`: word matching
// compares a whole word or word beginning from the token's first byte, and a whole word
// or word ending up to its last byte.
bool MayBeginToken(const Phrase& phrase, char byte) {
  const bool fromFirst = phrase.Kind == kWholeWord || phrase.Kind == kWordPrefix;
  return !fromFirst || phrase.Text.empty() || byte == phrase.Text.front();
}

bool MayEndToken(const Phrase& phrase, char byte) {
  const bool toLast = phrase.Kind == kWholeWord || phrase.Kind == kWordSuffix;
  return !toLast || phrase.Text.empty() || byte == phrase.Text.back();
}

// What the bytes just before an anchor occurrence tell about the token holding it, for a
// plain key phrase matched as a whole word or a word beginning: such a token can match
// only with the key phrase's anchor byte on the occurrence (the first of that byte in the
// token: later ones belong to a token already tried). With no line break just before
// it, the phrase's first byte then lies (anchor position − 1) bytes back, at the token's
// start. A line break there leaves it to the general walk.
enum class KeyToken { kNoMatch, kMatch, kUnknown };

KeyToken MatchKeyToken(std::string_view text, size_t at, const Phrase& key, size_t before, size_t* start,
                       size_t* end) {
  const size_t size = text.size();
  for (size_t i = at > before ? at - before - 1 : 0; i < at; ++i) {
    if (IsBreakByte(text[i]) && text[i] != kTab) return KeyToken::kUnknown;
  }
  if (at < before) return KeyToken::kNoMatch;
  const size_t first = at - before;
  if (first > 0 && !IsTokenEnd(text[first - 1])) return KeyToken::kNoMatch;
  if (std::memcmp(text.data() + first, key.Text.data(), before) != 0) return KeyToken::kNoMatch;
  // The rest as the word matching compares it inside the token: a line break stepped
  // over with the byte after it, as long as that byte does not end the token.
  size_t pos = at + 1;
  for (size_t j = before + 1; j < key.Text.size(); ++j, ++pos) {
    if (pos < size && IsBreakByte(text[pos]) && text[pos] != kTab) {
      if (pos + 1 < size && IsTokenEnd(text[pos + 1])) return KeyToken::kNoMatch;
      pos += 2;
    }
    if (pos >= size || text[pos] != key.Text[j]) return KeyToken::kNoMatch;
  }
  const bool tokenEndsHere = pos == size || IsTokenEnd(text[pos]);
  if (key.Kind == kWholeWord && !tokenEndsHere) return KeyToken::kNoMatch;
  *start = first;
  *end = tokenEndsHere ? pos : TokenEndFrom(text, pos);
  return KeyToken::kMatch;
}

// Where the phrase holding the anchor matches for the anchor occurrence `occurrence`:
// the candidate start is the occurrence less (anchor position − 1), moved back by 2 when
// it does not hold the phrase's first byte (a line break assumed before the anchor);
// comparing steps over a CR and the byte after it. The position of the first text byte
// that matched, or −1. Never reads outside the text.
// Inlined into the scans' loops, which call it for every anchor occurrence.
[[gnu::always_inline]] inline int64_t MatchAtAnchor(std::string_view text, size_t occurrence, std::string_view phrase,
                                                    int anchorPosition) {
  if (phrase.empty()) return -1;
  int64_t start = static_cast<int64_t>(occurrence) - (anchorPosition - 1);
  const auto size = static_cast<int64_t>(text.size());
  if (start < 0) return -1;
  if (start >= size || text[static_cast<size_t>(start)] != phrase[0]) start -= 2;
  if (start < 0 || start >= size) return -1;
  size_t first = 0;
  return EqualSteppingOverCR(text, static_cast<size_t>(start), phrase, 0, &first) ? static_cast<int64_t>(first) : -1;
}

}  // namespace


std::vector<int32_t> ScanPhrase(std::string_view text, std::string_view phrase, const Anchor& anchor, size_t limit) {
  std::vector<int32_t> hits;
  size_t at = FindByte(text, anchor.byte, 0);
  // Two anchors can lead to one start (the second moved back by 2): it is kept once, and
  // the limit counts the starts kept, so the scan goes on while duplicates were dropped.
  while (true) {
    for (; at != std::string_view::npos && hits.size() < limit; at = FindByte(text, anchor.byte, at + 1)) {
      const int64_t start = MatchAtAnchor(text, at, phrase, anchor.position);
      if (start >= 0) hits.push_back(static_cast<int32_t>(start));
    }
    if (!std::is_sorted(hits.begin(), hits.end())) std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    if (at == std::string_view::npos || hits.size() >= limit) return hits;
  }
}

std::string CleanMatchedText(std::string_view span) {
  std::string cleaned;
  for (const char byte : span) {
    if (byte == kTab) {
      cleaned.push_back(' ');
    } else if (static_cast<unsigned char>(byte) > 13) {
      cleaned.push_back(byte);
    }
    if (cleaned.size() == kMaxMatchedText) break;
  }
  return cleaned;
}

void ScanAdjacent(std::string_view text, const std::vector<Phrase>& phrases, const Anchor& anchor,
                  const AdjacentMatchSink& found) {
  const size_t count = phrases.size();
  const auto k = static_cast<size_t>(anchor.phrase);
  const Phrase& key = phrases[k];
  const bool quick = anchor.position >= 1 && (key.Kind == kWholeWord || key.Kind == kWordPrefix) && IsPlain(key.Text);
  const size_t before = quick ? static_cast<size_t>(anchor.position - 1) : 0;
  // Occurrences no key token can hold are passed over a block at a time: those with no
  // space or tab where the token would begin (a line break and the byte after it may come
  // between key bytes), and those without the key's bytes around them and no line break
  // to shift them.
  ByteOccurrences occurrences =
      quick && before >= 1 && before <= ByteOccurrences::kMaxLead && before + 1 < key.Text.size()
          ? ByteOccurrences(text, anchor.byte,
                            {before, static_cast<unsigned char>(key.Text[before - 1]),
                             static_cast<unsigned char>(key.Text[before + 1])})
          : ByteOccurrences(text, anchor.byte);
  std::vector<size_t> starts(count), ends(count);
  const auto matches = [&](size_t j, size_t start, size_t end) {
    return start < end && MatchWord(text.substr(start, end - start), phrases[j].Text, phrases[j].Kind, true);
  };
  for (size_t at = occurrences.From(0); at != std::string_view::npos;) {
    const KeyToken told = quick ? MatchKeyToken(text, at, key, before, &starts[k], &ends[k]) : KeyToken::kUnknown;
    if (told == KeyToken::kNoMatch) {
      at = occurrences.From(at + 1);
      continue;
    }
    if (told == KeyToken::kUnknown) {
      starts[k] = TokenStartBefore(text, at);
      ends[k] = TokenEndFrom(text, at);
    }
    // Resuming after the occurrence as well: a tab in the phrase ends the token before it.
    const size_t resume = std::max(ends[k], at + 1);
    bool all = told == KeyToken::kMatch || matches(k, starts[k], ends[k]);
    // Most key tokens have neighbours that differ at their near byte: they are told
    // apart before the neighbour's far end is looked for.
    for (size_t j = k; all && j-- > 0;) {
      size_t end = starts[j + 1];
      while (end > 0 && IsTokenEnd(text[end - 1])) --end;
      all = end > 0 && MayEndToken(phrases[j], text[end - 1]);
      if (!all) break;
      starts[j] = TokenStartBefore(text, end);
      ends[j] = end;
      all = matches(j, starts[j], ends[j]);
    }
    for (size_t j = k + 1; all && j < count; ++j) {
      size_t start = ends[j - 1];
      while (start < text.size() && IsTokenEnd(text[start])) ++start;
      all = start < text.size() && MayBeginToken(phrases[j], text[start]);
      if (!all) break;
      starts[j] = start;
      ends[j] = TokenEndFrom(text, start);
      all = matches(j, starts[j], ends[j]);
    }
    if (all && !found(static_cast<int32_t>(starts[0]),
                      CleanMatchedText(text.substr(starts[0], ends[count - 1] - starts[0])))) {
      return;
    }
    at = occurrences.From(resume);
  }
}

ItemMatches ScanSameItem(std::string_view text, std::span<const int32_t> lineBreaks, const std::vector<Phrase>& phrases,
                         const Anchor& anchor, const PositionTable& table) {
  ItemMatches found;
  if (text.empty()) return found;
  found.numbers.reserve(table.Size());
  const size_t count = phrases.size();
  const auto k = static_cast<size_t>(anchor.phrase);
  const std::string& anchorPhrase = phrases[k].Text;
  std::vector<char> plain(count);
  for (size_t i = 0; i < count; ++i) plain[i] = !phrases[i].Text.empty() && IsPlain(phrases[i].Text);
  // The item is examined at the first anchor occurrence matching inside it. On an ordered
  // table every earlier occurrence of the anchor phrase there without a CR before its
  // anchor byte would have matched first, so only the starts just before a CR can come
  // before the match.
  const bool anchorAtMatch = plain[k] && anchor.position >= 1 && table.IsOrdered();
  LineBreakWalk breaks(lineBreaks);
  const auto firstInItem = [&](size_t i, size_t start, size_t end, size_t matched) -> int64_t {
    const std::string& phrase = phrases[i].Text;
    if (i == k && anchorAtMatch) {
      const int64_t broken = FirstBrokenOccurrence(text, breaks, start, matched, phrase, size_t(anchor.position - 1));
      return broken >= 0 ? broken : static_cast<int64_t>(matched);
    }
    // The anchor phrase occurs at the match: its first occurrence in the item is no later.
    const size_t last = i == k ? matched : end;
    if (plain[i]) return FindPlainInItem(text, breaks, start, last, phrase);
    return phrase.empty() ? -1 : FindInItem(text, start, last, phrase);
  };
  ItemWalk items(table);
  std::vector<int32_t> offsets(count);
  int64_t examinedUpTo = -1;  // start of the last item examined: each item once
  for (size_t at = FindByte(text, anchor.byte, 0); at != std::string_view::npos;) {
    size_t resume = at + 1;
    const int64_t matched = MatchAtAnchor(text, at, anchorPhrase, anchor.position);
    const std::optional<PositionRecord> item = matched >= 0 ? items.Find(static_cast<int32_t>(matched)) : std::nullopt;
    if (item) {
      // A match may start in one item with its anchor in the next: never resume before
      // the occurrence, or the same anchor is met for ever.
      resume = std::max(resume, static_cast<size_t>(std::max<int64_t>(item->end, -1) + 1));
      // The scan goes on there, past bytes it skips: fetch them while this item is examined.
      for (size_t ahead = resume; ahead < std::min(resume + kPrefetchBytes, text.size()); ahead += 64) {
        __builtin_prefetch(text.data() + ahead);
      }
    }
    if (item && item->start > examinedUpTo) {
      examinedUpTo = item->start;
      const auto start = static_cast<size_t>(std::max<int32_t>(item->start, 0));
      const size_t end = std::min<size_t>(static_cast<size_t>(std::max<int32_t>(item->end, 0)), text.size() - 1);
      size_t i = 0;
      for (; i < count && start <= end; ++i) {
        const int64_t offset = firstInItem(i, start, end, static_cast<size_t>(matched));
        if (offset < 0) break;
        offsets[i] = static_cast<int32_t>(offset);
      }
      if (i == count) {
        found.numbers.push_back(item->number);
        found.offsets.insert(found.offsets.end(), offsets.begin(), offsets.end());
      }
    }
    at = FindByte(text, anchor.byte, resume);
  }
  return found;
}

std::vector<int32_t> LineBreaksOf(std::string_view text) {
  std::vector<int32_t> breaks;
  for (size_t at = FindByte(text, kCR, 0); at != std::string_view::npos; at = FindByte(text, kCR, at + 1)) {
    breaks.push_back(static_cast<int32_t>(at));
  }
  return breaks;
}

}  // namespace lomarin
