#include "bytelinemap.h"

#include <algorithm>

namespace lomarin {

ByteLineMap::ByteLineMap(std::string_view text) : m_size(static_cast<int>(text.size())) {
  size_t start = 0;
  while (start < text.size()) {
    m_starts.push_back(static_cast<int>(start));
    const size_t crlf = text.find("\r\n", start);
    if (crlf == std::string_view::npos) {
      m_lastLineEnd = m_size;
      return;
    }
    m_lastLineEnd = static_cast<int>(crlf);
    start = crlf + 2;
  }
}

int ByteLineMap::RowStartByte(int row) const {
  if (row < 0) return 0;
  if (row >= LineCount()) return m_size;
  return m_starts[static_cast<size_t>(row)];
}

int ByteLineMap::RowLength(int row) const {
  if (row < 0 || row >= LineCount()) return 0;
  const int end = row + 1 < LineCount() ? m_starts[static_cast<size_t>(row) + 1] - 2 : m_lastLineEnd;
  return end - m_starts[static_cast<size_t>(row)];
}

int ByteLineMap::RowOfByte(int byte) const {
  if (m_starts.empty()) return 0;
  const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), byte);
  return next == m_starts.begin() ? 0 : static_cast<int>(next - m_starts.begin()) - 1;
}

int ByteLineMap::DocPosOfByte(int byte) const {
  if (m_starts.empty()) return 0;
  const int row = RowOfByte(std::clamp(byte, 0, m_size));
  const int column = std::min(std::max(byte, 0) - RowStartByte(row), RowLength(row));
  return RowStartByte(row) - row + column;
}

int ByteLineMap::ByteOfDocPos(int pos) const {
  if (m_starts.empty() || pos <= 0) return 0;
  // Document line starts, Start(k) - k, rise with k just as the byte starts do.
  int low = 0;
  int high = LineCount() - 1;
  while (low < high) {
    const int mid = (low + high + 1) / 2;
    if (m_starts[static_cast<size_t>(mid)] - mid <= pos) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  const int column = std::min(pos - (RowStartByte(low) - low), RowLength(low));
  return RowStartByte(low) + column;
}

}  // namespace lomarin
