#include "scan.h"

#include <algorithm>
#include <cstring>

namespace lomarin {
namespace {

constexpr char kCR = 13;
constexpr size_t kMaxMatchedText = 255;

bool IsTokenEnd(char byte) { return byte == ' ' || byte == '\t'; }

// The next occurrence of `byte` at or after `from`, or npos.
size_t FindByte(std::string_view text, unsigned char byte, size_t from) {
  if (from >= text.size()) return std::string_view::npos;
  const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
  return hit ? static_cast<size_t>(static_cast<const char*>(hit) - text.data()) : std::string_view::npos;
}

// Compares phrase bytes from `at` onwards; before each comparison from `firstChecked` on,
// a CR in the text is stepped over with the byte after it.
bool EqualSteppingOverCR(std::string_view text, size_t at, std::string_view phrase, size_t firstChecked,
                         size_t* firstMatched) {
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

// The first occurrence of `phrase` starting inside [start, end] of an item, or −1.
int64_t FindInItem(std::string_view text, size_t start, size_t end, std::string_view phrase) {
  for (size_t from = start; from <= end;) {
    const size_t at = FindByte(text.substr(0, end + 1), static_cast<unsigned char>(phrase[0]), from);
    if (at == std::string_view::npos) return -1;
    if (EqualSteppingOverCR(text, at, phrase, 1, nullptr)) return static_cast<int64_t>(at);
    from = at + 1;
  }
  return -1;
}

}  // namespace

int64_t MatchAtAnchor(std::string_view text, size_t occurrence, std::string_view phrase, int anchorPosition) {
  if (phrase.empty()) return -1;
  int64_t start = static_cast<int64_t>(occurrence) - (anchorPosition - 1);
  const auto size = static_cast<int64_t>(text.size());
  if (start < 0) return -1;
  if (start >= size || text[static_cast<size_t>(start)] != phrase[0]) start -= 2;
  if (start < 0 || start >= size) return -1;
  size_t first = 0;
  return EqualSteppingOverCR(text, static_cast<size_t>(start), phrase, 0, &first) ? static_cast<int64_t>(first) : -1;
}

std::vector<int32_t> ScanPhrase(std::string_view text, std::string_view phrase, const Anchor& anchor, size_t limit) {
  std::vector<int32_t> hits;
  for (size_t at = FindByte(text, anchor.byte, 0); at != std::string_view::npos && hits.size() < limit;
       at = FindByte(text, anchor.byte, at + 1)) {
    const int64_t start = MatchAtAnchor(text, at, phrase, anchor.position);
    if (start >= 0) hits.push_back(static_cast<int32_t>(start));
  }
  // Two anchors can lead to one start (the second moved back by 2); keep it once.
  if (!std::is_sorted(hits.begin(), hits.end())) std::sort(hits.begin(), hits.end());
  hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
  return hits;
}

std::string CleanMatchedText(std::string_view span) {
  std::string cleaned;
  for (const char byte : span) {
    if (byte == '\t') {
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
  std::vector<size_t> starts(count), ends(count);
  const auto matches = [&](size_t j, size_t start, size_t end) {
    return start < end && MatchWord(text.substr(start, end - start), phrases[j].Text, phrases[j].Kind, true);
  };
  for (size_t at = FindByte(text, anchor.byte, 0); at != std::string_view::npos;) {
    starts[k] = TokenStartBefore(text, at);
    ends[k] = TokenEndFrom(text, at);
    // Resuming after the occurrence as well: a tab in the phrase ends the token before it.
    const size_t resume = std::max(ends[k], at + 1);
    bool all = matches(k, starts[k], ends[k]);
    for (size_t j = k; all && j-- > 0;) {
      size_t end = starts[j + 1];
      while (end > 0 && IsTokenEnd(text[end - 1])) --end;
      starts[j] = TokenStartBefore(text, end);
      ends[j] = end;
      all = matches(j, starts[j], ends[j]);
    }
    for (size_t j = k + 1; all && j < count; ++j) {
      size_t start = ends[j - 1];
      while (start < text.size() && IsTokenEnd(text[start])) ++start;
      starts[j] = start;
      ends[j] = TokenEndFrom(text, start);
      all = matches(j, starts[j], ends[j]);
    }
    if (all && !found(static_cast<int32_t>(starts[0]),
                      CleanMatchedText(text.substr(starts[0], ends[count - 1] - starts[0])))) {
      return;
    }
    at = FindByte(text, anchor.byte, resume);
  }
}

std::vector<ItemMatch> ScanSameItem(std::string_view text, const std::vector<Phrase>& phrases, const Anchor& anchor,
                                    const PositionTable& table) {
  std::vector<ItemMatch> items;
  if (text.empty()) return items;
  const std::string& anchorPhrase = phrases[static_cast<size_t>(anchor.phrase)].Text;
  int64_t examinedUpTo = -1;  // start of the last item examined: each item once
  for (size_t at = FindByte(text, anchor.byte, 0); at != std::string_view::npos;) {
    size_t resume = at + 1;
    const int64_t matched = MatchAtAnchor(text, at, anchorPhrase, anchor.position);
    const std::optional<PositionRecord> item = matched >= 0 ? table.Find(static_cast<int32_t>(matched)) : std::nullopt;
    if (item) {
      // A match may start in one item with its anchor in the next: never resume before
      // the occurrence, or the same anchor is met for ever.
      resume = std::max(resume, static_cast<size_t>(std::max<int64_t>(item->end, -1) + 1));
    }
    if (item && item->start > examinedUpTo) {
      examinedUpTo = item->start;
      const auto start = static_cast<size_t>(std::max<int32_t>(item->start, 0));
      const size_t end = std::min<size_t>(static_cast<size_t>(std::max<int32_t>(item->end, 0)), text.size() - 1);
      ItemMatch match{item->number, {}};
      for (const Phrase& phrase : phrases) {
        const int64_t offset = phrase.Text.empty() || start > end ? -1 : FindInItem(text, start, end, phrase.Text);
        if (offset < 0) break;
        match.offsets.push_back(static_cast<int32_t>(offset));
      }
      if (match.offsets.size() == phrases.size()) items.push_back(std::move(match));
    }
    at = FindByte(text, anchor.byte, resume);
  }
  return items;
}

}  // namespace lomarin
