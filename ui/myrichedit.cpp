#include "myrichedit.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "cp874.h"
#include "qtcp874.h"
#include "thaidigits.h"

namespace lomarin {

// The strip left of the text where the gutter is painted once it is laid out.
class GutterArea final : public QWidget {
 public:
  explicit GutterArea(TMyRichEdit* view) : QWidget(view), m_view(view) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    m_view->PaintGutter(painter);
  }

 private:
  TMyRichEdit* m_view;
};

namespace {

// The displayed document: one character per byte, one '\n' per CR LF between lines. A
// lone CR or LF belongs to its line and shows as a space, so rows stay lines.
QString DocumentText(const std::string& text) {
  QString doc(static_cast<qsizetype>(text.size()), Qt::Uninitialized);
  QChar* out = doc.data();
  qsizetype n = 0;
  const size_t size = text.size();
  const size_t body = size >= 2 && text[size - 2] == '\r' && text[size - 1] == '\n' ? size - 2 : size;
  for (size_t i = 0; i < body; ++i) {
    const char c = text[i];
    if (c == '\r' && i + 1 < size && text[i + 1] == '\n') {
      out[n++] = QChar(u'\n');
      ++i;
    } else if (c == '\r' || c == '\n') {
      out[n++] = QChar(u' ');
    } else {
      out[n++] = QChar(Cp874ToUnicode(static_cast<unsigned char>(c)));
    }
  }
  doc.truncate(n);
  return doc;
}

}  // namespace

TMyRichEdit::TMyRichEdit(QWidget* parent)
    : QPlainTextEdit(parent),
      m_gutterColor(palette().color(QPalette::Button)),
      m_lineNumberColor(palette().color(QPalette::WindowText)),
      m_gutter(new GutterArea(this)) {
  m_gutter->hide();
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setMouseTracking(true);
  // The owner hears of a scroll before it happens, and again from the repaint after it.
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { UpdateRowStatus(); });
  connect(this, &QPlainTextEdit::textChanged, this, [this] {
    if (!m_gutterLayoutPending) UpdateRowStatus();
  });
  connect(this, &QPlainTextEdit::updateRequest, m_gutter, [this] { m_gutter->update(); });
}

void TMyRichEdit::ReplaceText(std::string text) {
  m_map = ByteLineMap(text);
  m_text = std::move(text);
  setPlainText(DocumentText(m_text));
}

std::string TMyRichEdit::LineText(int row) const {
  if (row < 0 || row >= LineCount()) return {};
  return m_text.substr(static_cast<size_t>(m_map.RowStartByte(row)), static_cast<size_t>(m_map.RowLength(row)));
}

int TMyRichEdit::RowAt(int y) const { return cursorForPosition(QPoint(0, y)).blockNumber(); }

int TMyRichEdit::FirstVisibleRow() const { return firstVisibleBlock().blockNumber(); }

void TMyRichEdit::ScrollToRow(int row) {
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->value() + (row - FirstVisibleRow()));
}

void TMyRichEdit::SelectBytes(int start, int length) {
  QTextCursor cursor(document());
  cursor.setPosition(m_map.DocPosOfByte(start));
  if (length != 0) cursor.setPosition(m_map.DocPosOfByte(start + length), QTextCursor::KeepAnchor);
  setTextCursor(cursor);
}

int TMyRichEdit::SelStart() const { return m_map.ByteOfDocPos(textCursor().selectionStart()); }

int TMyRichEdit::SelLength() const {
  const QTextCursor cursor = textCursor();
  return m_map.ByteOfDocPos(cursor.selectionEnd()) - m_map.ByteOfDocPos(cursor.selectionStart());
}

std::string TMyRichEdit::SelectedBytes() const {
  return m_text.substr(static_cast<size_t>(SelStart()), static_cast<size_t>(SelLength()));
}

void TMyRichEdit::FormatBytes(const std::vector<ByteRange>& ranges, const QTextCharFormat& format) {
  QTextCursor cursor(document());
  cursor.beginEditBlock();
  for (const ByteRange& range : ranges) {
    cursor.setPosition(m_map.DocPosOfByte(range.start));
    cursor.setPosition(m_map.DocPosOfByte(range.start + range.length), QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
  }
  cursor.endEditBlock();
}

void TMyRichEdit::SetShowGutter(bool show) {
  m_gutterLayoutPending = true;
  m_showGutter = show;
  if (!show) {
    // Switched off, the text gets its whole width back (no inset is left behind).
    setViewportMargins(0, 0, 0, 0);
    m_gutter->hide();
  }
  SetShowLineNumber(show);
}

void TMyRichEdit::SetShowLineNumber(bool show) {
  m_showLineNumber = show;
  viewport()->update();
  m_gutter->update();
}

void TMyRichEdit::SetThaiStyleLineNumber(bool thai) {
  m_thaiStyleLineNumber = thai;
  m_gutter->update();
}

void TMyRichEdit::SetGutterColor(const QColor& color) {
  m_gutterColor = color;
  m_gutter->update();
}

void TMyRichEdit::SetLineNumberColor(const QColor& color) {
  m_lineNumberColor = color;
  m_gutter->update();
}

void TMyRichEdit::SetCaretStatus(TCaretStatus status) {
  m_caretStatus = status;
  if (status == TCaretStatus::csShow) {
    setCursorWidth(1);
  } else if (hasFocus()) {
    setCursorWidth(0);
  } else {
    // Without the focus the view has no caret to hide.
    m_caretStatus = TCaretStatus::csShow;
  }
}

int TMyRichEdit::GutterWidth(int lineCount, const QFontMetrics& bold) {
  const int width = bold.horizontalAdvance(QString::number(lineCount)) + bold.horizontalAdvance(QStringLiteral("00"));
  return std::max(width, 48);
}

QString TMyRichEdit::RowLabel(int row, bool thaiDigits) {
  return thaiDigits ? QStringFromCp874(ThaiDigits(row + 1)) : QString::number(row + 1);
}

void TMyRichEdit::UpdateRowStatus() {
  m_firstRow = RowAt(0);
  m_lastRow = RowAt(viewport()->height());
  emit OnVScroll();
  emit OnHScroll();
}

QFont TMyRichEdit::GutterFont() const {
  QFont bold = font();
  bold.setBold(true);
  return bold;
}

void TMyRichEdit::LayOutGutter() {
  m_gutterLayoutPending = false;
  const int width = GutterWidth(LineCount(), QFontMetrics(GutterFont()));
  setViewportMargins(width + 20, 0, 0, 0);
  const QRect area = contentsRect();
  m_gutter->setGeometry(area.left(), area.top(), width + 20, area.height());
  m_gutter->show();
}

void TMyRichEdit::PaintGutter(QPainter& painter) {
  const QFont bold = GutterFont();
  const QFontMetrics metrics(bold);
  const int width = GutterWidth(LineCount(), metrics);
  const int height = m_gutter->height();
  painter.fillRect(m_gutter->rect(), palette().color(QPalette::Base));
  // The fill stops one pixel short of the last column, leaving a thin rule of text colour.
  painter.fillRect(QRect(0, 0, width + 2, height), m_gutterColor);
  painter.fillRect(QRect(width + 3, 0, 1, height), m_gutterColor);
  if (!m_showLineNumber) return;
  painter.setFont(bold);
  painter.setPen(m_lineNumberColor);
  const int pitch = metrics.boundingRect(QStringLiteral("A")).height();
  m_firstRow = RowAt(0);
  m_lastRow = RowAt(viewport()->height());
  for (int k = 0; k <= m_lastRow - m_firstRow; ++k) {
    const QRect box(0, k * (pitch - 1) - 1, width, pitch);
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                     RowLabel(m_firstRow + k, m_thaiStyleLineNumber));
  }
}

void TMyRichEdit::paintEvent(QPaintEvent* event) {
  QPlainTextEdit::paintEvent(event);
  if (!m_showGutter) {
    UpdateRowStatus();
  } else if (m_gutterLayoutPending) {
    LayOutGutter();
  }
}

void TMyRichEdit::keyPressEvent(QKeyEvent* event) {
  QPlainTextEdit::keyPressEvent(event);
  UpdateRowStatus();
}

void TMyRichEdit::keyReleaseEvent(QKeyEvent* event) {
  UpdateRowStatus();
  QPlainTextEdit::keyReleaseEvent(event);
}

void TMyRichEdit::focusInEvent(QFocusEvent* event) {
  UpdateRowStatus();
  QPlainTextEdit::focusInEvent(event);
}

void TMyRichEdit::mouseMoveEvent(QMouseEvent* event) {
  QPlainTextEdit::mouseMoveEvent(event);
  UpdateRowStatus();
}

void TMyRichEdit::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  if (m_gutter->isVisible()) {
    const QRect area = contentsRect();
    m_gutter->setGeometry(area.left(), area.top(), m_gutter->width(), area.height());
  }
  viewport()->update();
}

}  // namespace lomarin
