// The three ways of scanning one volume text (code page 874, CR LF line ends), all
// anchored on the rarest byte of the query so that the comparisons run only where that
// byte occurs. Pure functions of the text: the search state runs them volume by volume.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "indexreader.h"
#include "query.h"

namespace lomarin {

// Full scan for one phrase: hit positions in ascending order, a position at most once
// (the back-by-2 rule can reach one start from two anchors), at most `limit` of them.
std::vector<int32_t> ScanPhrase(std::string_view text, std::string_view phrase, const Anchor& anchor, size_t limit);

// Adjacent phrases: the phrases as consecutive tokens (runs of bytes other than space and
// tab; line breaks do not end a token). For each match, in text order, `found` gets the
// position of phrase 0's token and the matched text (tabs as spaces, bytes of 13 or less
// dropped, cut to 255 bytes); it returns false to stop the scan.
using AdjacentMatchSink = std::function<bool(int32_t position, std::string&& text)>;
void ScanAdjacent(std::string_view text, const std::vector<Phrase>& phrases, const Anchor& anchor,
                  const AdjacentMatchSink& found);

// Same item or page: every phrase inside one item (page) of `table`, in any order. For
// each item holding them all, at most once and in text order: its number, and the offset
// of each phrase's first occurrence in it (phrases.size() offsets per item, in phrase
// order). REQUIRES: lineBreaks holds the positions of every CR in `text`, ascending
// (LineBreaksOf), so that occurrences broken by a line break are found without reading
// each item for its CRs.
struct ItemMatches {
  std::vector<uint16_t> numbers;
  std::vector<int32_t> offsets;
};
ItemMatches ScanSameItem(std::string_view text, std::span<const int32_t> lineBreaks, const std::vector<Phrase>& phrases,
                         const Anchor& anchor, const PositionTable& table);

// The position of every CR (13) in `text`, ascending.
std::vector<int32_t> LineBreaksOf(std::string_view text);

// The matched text of an adjacency hit, as it is kept and shown.
std::string CleanMatchedText(std::string_view span);

}  // namespace lomarin
