#include "rgnbtn.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace lomarin {
namespace {

const QColor kDisabledBorder(150, 150, 150);
const QColor kDisabledFill(100, 100, 100);
const QColor kDisabledText(128, 128, 128);

bool NoShiftCtrlAlt(const QKeyEvent* event) {
  return (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
}

}  // namespace

TRGNBtn::TRGNBtn(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover, false);
  m_defaultColor = QApplication::palette().color(QPalette::Button);
  m_borderColor = m_defaultColor;
  resize(100, 32);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && now->window() == window()) focusChanged(now);
  });
}

TRGNBtn::~TRGNBtn() = default;

void TRGNBtn::UseCommonPalette() {
  SetDefaultColor(QColor::fromRgb(kCommonDefaultColor));
  SetFocusedColor(QColor::fromRgb(kCommonFocusedColor));
  SetMouseOverColor(QColor::fromRgb(kCommonMouseOverColor));
  SetMouseDownColor(QColor::fromRgb(kCommonMouseDownColor));
  SetBorderColor(QColor::fromRgb(kCommonBorderColor));
}

TRGNBtn* TRGNBtn::CreateCommon(QWidget* parent, const QString& objectName, const QString& caption,
                               const QRect& at) {
  auto* button = new TRGNBtn(parent);
  button->setObjectName(objectName);
  button->UseCommonPalette();
  button->SetCaption(caption);
  button->setGeometry(at);
  return button;
}

void TRGNBtn::SetDefault(bool value) {
  m_default = value;
  // The window announces its focused control again, which lets go of any pressed look.
  QWidget* focused = window()->focusWidget();
  if (focused == nullptr) return;
  for (TRGNBtn* button : window()->findChildren<TRGNBtn*>()) button->focusChanged(focused);
}

void TRGNBtn::SetCancel(bool value) {
  m_cancel = value;
  grabCancelKey();
}

void TRGNBtn::SetDefaultColor(const QColor& colour) {
  m_defaultColor = colour;
  update();
}

void TRGNBtn::SetFocusedColor(const QColor& colour) {
  m_focusedColor = colour;
  update();
}

void TRGNBtn::SetMouseOverColor(const QColor& colour) { m_mouseOverColor = colour; }

void TRGNBtn::SetMouseDownColor(const QColor& colour) {
  m_mouseDownColor = colour;
  update();
}

void TRGNBtn::SetBorderColor(const QColor& colour) {
  m_borderColor = colour;
  update();
}

void TRGNBtn::SetCaption(const QString& caption) {
  if (caption != m_caption) {
    m_caption = caption;
    grabAccelerator();
  }
  update();
}

void TRGNBtn::setPicture(QPixmap& own, const QPixmap& picture) {
  own = picture.copy();
  update();
}

void TRGNBtn::SetPicMouseDown(const QPixmap& picture) { setPicture(m_picMouseDown, picture); }
void TRGNBtn::SetPicMouseOver(const QPixmap& picture) { setPicture(m_picMouseOver, picture); }
void TRGNBtn::SetPicDefault(const QPixmap& picture) { setPicture(m_picDefault, picture); }
void TRGNBtn::SetPicFocused(const QPixmap& picture) { setPicture(m_picFocused, picture); }
void TRGNBtn::SetPicDisalbed(const QPixmap& picture) { setPicture(m_picDisalbed, picture); }

void TRGNBtn::Click() {
  if (isEnabled()) emit OnClick();
}

TRGNBtn::CaptionParts TRGNBtn::SplitCaption(const QString& caption) {
  CaptionParts parts;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      // The character after the last "&" is the accelerator; a final "&" marks none.
      parts.accelerator = i + 1 < caption.size() ? static_cast<int>(parts.text.size()) : -1;
    } else {
      parts.text += caption[i];
    }
  }
  return parts;
}

QColor TRGNBtn::CaptionColor(const QColor& stateColour) { return QColor::fromRgb(stateColour.rgb() ^ 0x808080); }

QColor TRGNBtn::StateColor() const {
  if ((m_pressed && m_mouseInside) || m_pressedInside) return m_mouseDownColor;
  if (m_mouseInside && !m_pressed) return m_mouseOverColor;
  if ((m_pressed && !m_mouseInside) || m_hasFocus) return m_focusedColor;
  return m_defaultColor;
}

const QPixmap& TRGNBtn::statePicture() const {
  if ((m_pressed && m_mouseInside) || m_pressedInside) return m_picMouseDown;
  if (m_mouseInside && !m_pressed) return m_picMouseOver;
  if ((m_pressed && !m_mouseInside) || m_hasFocus) return m_picFocused;
  return m_picDefault;
}

bool TRGNBtn::canFocus() const { return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus; }

void TRGNBtn::paintEvent(QPaintEvent*) {
  if (m_painting) return;
  m_painting = true;
  QPainter painter(this);
  painter.setFont(font());

  QColor border = m_borderColor;
  QColor fill = StateColor();
  QColor text = CaptionColor(fill);
  const QPixmap* picture = &statePicture();
  if (!isEnabled()) {
    border = kDisabledBorder;
    fill = kDisabledFill;
    text = kDisabledText;
    if (!m_picDisalbed.isNull()) picture = &m_picDisalbed;
  }

  if (!picture->isNull()) {
    // Resizing posts the repaint at the new size; this paint is not re-entered.
    if (size() != picture->size()) resize(picture->size());
    painter.drawPixmap(0, 0, *picture);
  } else {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(border);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 5, 5);
  }

  const CaptionParts caption = SplitCaption(m_caption);
  if (!caption.text.isEmpty()) {
    const QFontMetrics metrics(font());
    const int x = (width() - metrics.horizontalAdvance(caption.text)) / 2;
    const int y = (height() - metrics.height()) / 2 + metrics.ascent();
    painter.setPen(text);
    if (caption.accelerator < 0) {
      painter.drawText(x, y, caption.text);
    } else {
      const QString before = caption.text.left(caption.accelerator);
      const QString key = caption.text.mid(caption.accelerator, 1);
      const QString after = caption.text.mid(caption.accelerator + 1);
      QFont underlined = font();
      underlined.setUnderline(true);
      const int keyX = x + metrics.horizontalAdvance(before);
      const int afterX = keyX + QFontMetrics(underlined).horizontalAdvance(key);
      painter.drawText(x, y, before);
      painter.setFont(underlined);
      painter.drawText(keyX, y, key);
      painter.setFont(font());
      painter.drawText(afterX, y, after);
    }
  }
  m_painting = false;
}

bool TRGNBtn::event(QEvent* event) {
  if (event->type() == QEvent::Shortcut) {
    const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
    if ((id == m_acceleratorShortcut || (id == m_cancelShortcut && m_cancel)) && canFocus()) Click();
    return true;
  }
  return QWidget::event(event);
}

void TRGNBtn::grabAccelerator() {
  if (m_acceleratorShortcut != 0) releaseShortcut(m_acceleratorShortcut);
  m_acceleratorShortcut = 0;
  const CaptionParts caption = SplitCaption(m_caption);
  if (caption.accelerator < 0) return;
  const QChar key = caption.text[caption.accelerator].toUpper();
  m_acceleratorShortcut = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.unicode()))),
                                       Qt::WindowShortcut);
}

void TRGNBtn::grabCancelKey() {
  if (m_cancel && m_cancelShortcut == 0) {
    m_cancelShortcut = grabShortcut(QKeySequence(Qt::Key_Escape), Qt::WindowShortcut);
  } else if (!m_cancel && m_cancelShortcut != 0) {
    releaseShortcut(m_cancelShortcut);
    m_cancelShortcut = 0;
  }
}

void TRGNBtn::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Coming back with its window keeps the flags; only a real entry is announced.
  if (m_hasFocus) return;
  m_hasFocus = true;
  m_active = true;
  update();
  emit OnEnter();
}

void TRGNBtn::focusOutEvent(QFocusEvent* event) {
  // Another window coming to the front leaves this one's focused control as it was.
  if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason) {
    m_hasFocus = false;
    m_active = false;
    update();
  }
  QWidget::focusOutEvent(event);
}

void TRGNBtn::focusChanged(QWidget* now) {
  if (qobject_cast<TRGNBtn*>(now) == nullptr) return;
  m_pressed = false;
  m_pressedInside = false;
  update();
}

void TRGNBtn::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && m_hasFocus) {
    m_pressed = true;
    m_pressedInside = true;
    update();
    return;
  }
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_active && NoShiftCtrlAlt(event) &&
      canFocus()) {
    Click();
    return;
  }
  QWidget::keyPressEvent(event);
}

void TRGNBtn::keyReleaseEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && m_hasFocus && !event->isAutoRepeat()) {
    m_pressed = false;
    m_pressedInside = false;
    update();
    Click();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TRGNBtn::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  m_pressed = true;
  m_pressedInside = true;
  m_clickArmed = true;
  update();
  emit OnMouseDown(event->position().toPoint());
}

void TRGNBtn::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  m_pressed = false;
  m_pressedInside = false;
  update();
  emit OnMouseUp(event->position().toPoint());
  const bool click = m_clickArmed && rect().contains(event->position().toPoint());
  m_clickArmed = false;
  if (click) Click();
}

void TRGNBtn::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseDoubleClickEvent(event);
  m_pressed = true;
  m_mouseInside = true;
  // The second press of a double click is no click of its own.
  m_clickArmed = false;
  update();
}

void TRGNBtn::mouseMoveEvent(QMouseEvent* event) {
  // While the button is held the mouse stays with it; crossing its edge is an enter or leave.
  const QPoint at = event->position().toPoint();
  if (rect().contains(at)) {
    mouseEntered(at);
  } else {
    mouseLeft(at);
  }
  QWidget::mouseMoveEvent(event);
}

void TRGNBtn::enterEvent(QEnterEvent* event) {
  mouseEntered(event->position().toPoint());
  QWidget::enterEvent(event);
}

void TRGNBtn::leaveEvent(QEvent* event) {
  mouseLeft(mapFromGlobal(QCursor::pos()));
  QWidget::leaveEvent(event);
}

void TRGNBtn::mouseEntered(const QPoint& at) {
  if (m_mouseInside) return;
  m_mouseInside = true;
  update();
  emit OnMouseOver(at);
}

void TRGNBtn::mouseLeft(const QPoint& at) {
  if (!m_mouseInside && !m_pressedInside) return;
  m_mouseInside = false;
  m_pressedInside = false;
  update();
  emit OnMouseLeave(at);
}

void TRGNBtn::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(event);
}

}  // namespace lomarin
