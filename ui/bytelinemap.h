// The text view's bridge between byte positions and document positions.
//
// Book texts are code page 874 with CR LF line ends, and every store table, search index
// and hit table counts bytes of that text (CR LF = 2 bytes). The text view shows the same
// text with one separator character per line end, one character per other byte. Line k
// of the text starts at byte Start(k) and at document position Start(k) - k, so a byte
// inside a line maps to a document position by subtracting its line number; the two
// bytes of a line end both map to the end of that line. Lines are split exactly as
// SplitLines splits them: a lone CR or LF stays inside its line, and a final CR LF opens
// no further line.
#pragma once

#include <string_view>
#include <vector>

namespace lomarin {

class ByteLineMap {
 public:
  explicit ByteLineMap(std::string_view text = {});

  int LineCount() const { return static_cast<int>(m_starts.size()); }
  int TextSize() const { return m_size; }

  // The byte where `row` starts; a row past the last gives the text size.
  int RowStartByte(int row) const;
  // The bytes of `row` without its line end.
  int RowLength(int row) const;
  // The row holding `byte` (its line end included); bytes past the text give the last
  // row, an empty text row 0.
  int RowOfByte(int byte) const;

  int DocPosOfByte(int byte) const;
  int ByteOfDocPos(int pos) const;

 private:
  std::vector<int> m_starts;
  int m_lastLineEnd = 0;  // the byte after the last line's text
  int m_size = 0;
};

}  // namespace lomarin
