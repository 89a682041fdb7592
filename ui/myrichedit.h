// TMyRichEdit: the text view of every reader. A read-only plain-text view without word
// wrap, so a row is a text line; it keeps the code page 874 text it shows and offers its
// positions as byte offsets of that text (CR LF = 2 bytes), so store lines, search
// positions and hit records are used unchanged. It can paint a gutter of row numbers and
// notifies its owner (OnVScroll, then OnHScroll) after every change of view.
#pragma once

#include <QColor>
#include <QPlainTextEdit>
#include <QTextCharFormat>
#include <string>
#include <vector>

#include "bytelinemap.h"
#include "textlines.h"

namespace lomarin {

struct ByteRange {
  int start = 0;
  int length = 0;
};

class TMyRichEdit : public QPlainTextEdit, public TextTarget {
  Q_OBJECT

 public:
  enum class TCaretStatus { csShow, csHide };

  explicit TMyRichEdit(QWidget* parent = nullptr);

  // The whole code page 874 text (CR LF line ends) replaces the view's lines.
  void ReplaceText(std::string text) override;
  const std::string& Text() const { return m_text; }
  int LineCount() const { return m_map.LineCount(); }
  std::string LineText(int row) const;

  // Rows under client points (0, 0) and (0, client height), as of the last notification.
  int FirstRow() const { return m_firstRow; }
  int LastRow() const { return m_lastRow; }
  int FirstVisibleRow() const;
  // Scrolls so that `row` becomes the top row (as far as the text allows).
  void ScrollToRow(int row);

  // Byte positions.
  int RowStartByte(int row) const { return m_map.RowStartByte(row); }
  int RowOfByte(int byte) const { return m_map.RowOfByte(byte); }
  void SelectBytes(int start, int length);
  // Puts the caret at `byte` with nothing selected.
  void SetSelStart(int byte) { SelectBytes(byte, 0); }
  int SelStart() const;
  int SelLength() const;
  std::string SelectedBytes() const;
  // Merges `format` (colour, bold, underline) into every range, in one edit block.
  void FormatBytes(const std::vector<ByteRange>& ranges, const QTextCharFormat& format);

  // Gutter and caret.
  bool ShowGutter() const { return m_showGutter; }
  void SetShowGutter(bool show);
  bool ShowLineNumber() const { return m_showLineNumber; }
  void SetShowLineNumber(bool show);
  bool ThaiStyleLineNumber() const { return m_thaiStyleLineNumber; }
  void SetThaiStyleLineNumber(bool thai);
  QColor GutterColor() const { return m_gutterColor; }
  void SetGutterColor(const QColor& color);
  QColor LineNumberColor() const { return m_lineNumberColor; }
  void SetLineNumberColor(const QColor& color);
  TCaretStatus CaretStatus() const { return m_caretStatus; }
  void SetCaretStatus(TCaretStatus status);

  // The gutter's width for a text of `lineCount` lines: the widths of that number and of
  // "00" in the bold gutter font, at least 48 pixels.
  static int GutterWidth(int lineCount, const QFontMetrics& bold);
  // The label of zero-based row `row`: its 1-based number, in Thai digits when asked.
  static QString RowLabel(int row, bool thaiDigits);

 signals:
  void OnVScroll();
  void OnHScroll();

 protected:
  void UpdateRowStatus();

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class GutterArea;
  int RowAt(int y) const;
  QFont GutterFont() const;
  void LayOutGutter();
  void PaintGutter(QPainter& painter);

  std::string m_text;
  ByteLineMap m_map;
  int m_firstRow = 0;
  int m_lastRow = 0;
  bool m_gutterLayoutPending = true;
  bool m_showGutter = true;
  bool m_showLineNumber = true;
  bool m_thaiStyleLineNumber = false;
  QColor m_gutterColor;
  QColor m_lineNumberColor;
  TCaretStatus m_caretStatus = TCaretStatus::csShow;
  QWidget* m_gutter = nullptr;
};

}  // namespace lomarin
