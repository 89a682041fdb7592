#include "hitmarker.h"

#include <QTextCursor>
#include <algorithm>

namespace lomarin {

void HitMarker::SelectRange(int start, int length) { m_selection = {start, length}; }

std::string HitMarker::SelectedText() const {
  const std::string& text = m_view.Text();
  const size_t start = std::min(static_cast<size_t>(std::max(m_selection.start, 0)), text.size());
  return text.substr(start, static_cast<size_t>(std::max(m_selection.length, 0)));
}

void HitMarker::FormatSelection(Rgb colour, bool bold, bool underline) {
  QTextCharFormat format;
  format.setForeground(QColor(colour.red, colour.green, colour.blue));
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  format.setFontUnderline(underline);
  m_marked.push_back({m_selection, format});
}

void HitMarker::ResetFormat() {
  m_reset = true;
  m_marked.clear();
}

void HitMarker::Apply() {
  if (m_reset) {
    // The default format: the view's own colour, neither bold nor underlined.
    QTextCursor all(m_view.document());
    all.select(QTextCursor::Document);
    all.setCharFormat(QTextCharFormat());
  }
  // Hits of one format go to the view together.
  for (size_t i = 0; i < m_marked.size();) {
    std::vector<ByteRange> ranges;
    size_t j = i;
    for (; j < m_marked.size() && m_marked[j].format == m_marked[i].format; ++j) ranges.push_back(m_marked[j].range);
    m_view.FormatBytes(ranges, m_marked[i].format);
    i = j;
  }
  m_view.SelectBytes(m_selection.start, m_selection.length);
  m_reset = false;
  m_marked.clear();
}

}  // namespace lomarin
