// The first range of a list that holds a value, found by binary search over precomputed
// pieces instead of a walk over the list. The readers ask for the page and the item of a
// line on every scroll; a cached table builds this once and answers as its walk would.
#pragma once

#include <cstdint>
#include <vector>

namespace lomarin {

class FirstRangeIndex {
 public:
  struct Range {
    int64_t first = 0;  // inclusive; a range with first > last holds nothing
    int64_t last = -1;
  };

  // ranges in walk order: the earliest range holding a value answers for it.
  explicit FirstRangeIndex(const std::vector<Range>& ranges);

  // Position of the first range holding value, or −1.
  int Find(int64_t value) const;

 private:
  struct Piece {
    int64_t start;  // the answer holds from here to the next piece's start
    int answer;
  };
  std::vector<Piece> m_pieces;
};

}  // namespace lomarin
