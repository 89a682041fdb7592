#include "firstrange.h"

#include <algorithm>
#include <queue>

namespace lomarin {

FirstRangeIndex::FirstRangeIndex(const std::vector<Range>& ranges) {
  std::vector<int> byFirst;
  std::vector<int64_t> points;
  for (size_t i = 0; i < ranges.size(); ++i) {
    if (ranges[i].first > ranges[i].last) continue;
    byFirst.push_back(static_cast<int>(i));
    points.push_back(ranges[i].first);
    points.push_back(ranges[i].last + 1);
  }
  std::sort(byFirst.begin(), byFirst.end(), [&](int a, int b) { return ranges[a].first < ranges[b].first; });
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());

  // Sweep the points where the set of holding ranges changes; the open range of lowest
  // position answers. Ranges that ended stay in the heap until they reach its top.
  using Open = std::pair<int, int64_t>;  // position, last
  std::priority_queue<Open, std::vector<Open>, std::greater<>> open;
  size_t next = 0;
  for (int64_t point : points) {
    for (; next < byFirst.size() && ranges[byFirst[next]].first <= point; ++next) {
      open.push({byFirst[next], ranges[byFirst[next]].last});
    }
    while (!open.empty() && open.top().second < point) open.pop();
    const int answer = open.empty() ? -1 : open.top().first;
    if (m_pieces.empty() || m_pieces.back().answer != answer) m_pieces.push_back({point, answer});
  }
}

int FirstRangeIndex::Find(int64_t value) const {
  const auto after = std::upper_bound(m_pieces.begin(), m_pieces.end(), value,
                                      [](int64_t v, const Piece& p) { return v < p.start; });
  return after == m_pieces.begin() ? -1 : std::prev(after)->answer;
}

}  // namespace lomarin
