// TRGNBtn: the push button of every dialog and screen. It draws a rounded rectangle (or
// one of five state pictures) in the colour of its state — normal, focused, mouse over,
// pressed, disabled — and its caption in that colour XOR RGB(128, 128, 128). It clicks on
// a press and release inside it, on space down and up while focused, on Enter while
// focused, on Esc from anywhere in its window when it is the cancel button, and on Alt
// with its accelerator (the character after the last "&" of the caption).
//
// The visual state is derived at every paint from five flags; every change of a flag
// repaints at once. The pictures belong to the button.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <cstdint>

namespace lomarin {

class TRGNBtn : public QWidget {
  Q_OBJECT

 public:
  explicit TRGNBtn(QWidget* parent = nullptr);
  ~TRGNBtn() override;

  // The palette every form gives its buttons.
  static constexpr QRgb kCommonDefaultColor = 0xF9E9C1;    // RGB(249, 233, 193)
  static constexpr QRgb kCommonFocusedColor = 0x80FF80;    // RGB(128, 255, 128)
  static constexpr QRgb kCommonMouseOverColor = 0xFCF4E2;  // RGB(252, 244, 226)
  static constexpr QRgb kCommonMouseDownColor = 0xD19D14;  // RGB(209, 157, 20)
  static constexpr QRgb kCommonBorderColor = 0xF1CC6B;     // RGB(241, 204, 107)
  void UseCommonPalette();
  // A button of a dialog: the common palette, a caption, a place in its parent.
  static TRGNBtn* CreateCommon(QWidget* parent, const QString& objectName, const QString& caption, const QRect& at);

  bool Default() const { return m_default; }
  // Stored; the window re-announces its focused control. Enter follows the focus only.
  void SetDefault(bool value);
  bool Cancel() const { return m_cancel; }
  void SetCancel(bool value);

  QColor DefaultColor() const { return m_defaultColor; }
  void SetDefaultColor(const QColor& colour);
  QColor FocusedColor() const { return m_focusedColor; }
  void SetFocusedColor(const QColor& colour);
  QColor MouseOverColor() const { return m_mouseOverColor; }
  void SetMouseOverColor(const QColor& colour);  // stored without a repaint
  QColor MouseDownColor() const { return m_mouseDownColor; }
  void SetMouseDownColor(const QColor& colour);
  QColor BorderColor() const { return m_borderColor; }
  void SetBorderColor(const QColor& colour);

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& caption);
  int32_t GroupIndex = 0;  // stored only

  void SetPicMouseDown(const QPixmap& picture);
  void SetPicMouseOver(const QPixmap& picture);
  void SetPicDefault(const QPixmap& picture);
  void SetPicFocused(const QPixmap& picture);
  void SetPicDisalbed(const QPixmap& picture);

  // Runs OnClick when enabled.
  void Click();

  // The caption without "&", and the position in it of the accelerator (the character
  // after the last "&"), or -1.
  struct CaptionParts {
    QString text;
    int accelerator = -1;
  };
  static CaptionParts SplitCaption(const QString& caption);

  // The state colour and the caption colour it gives, for painting and for tests.
  QColor StateColor() const;
  static QColor CaptionColor(const QColor& stateColour);

  bool MouseInside() const { return m_mouseInside; }
  bool HasFocus() const { return m_hasFocus; }
  bool Pressed() const { return m_pressed; }
  bool PressedInside() const { return m_pressedInside; }

 signals:
  void OnClick();
  // The focus entered the button from another control of its window.
  void OnEnter();
  void OnMouseOver(const QPoint& at);
  void OnMouseLeave(const QPoint& at);
  void OnMouseDown(const QPoint& at);
  void OnMouseUp(const QPoint& at);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  bool canFocus() const;
  void mouseEntered(const QPoint& at);
  void mouseLeft(const QPoint& at);
  // Another region button of this window took the focus.
  void focusChanged(QWidget* now);
  void grabAccelerator();
  void grabCancelKey();
  const QPixmap& statePicture() const;
  void setPicture(QPixmap& own, const QPixmap& picture);

  bool m_default = false;
  bool m_cancel = false;
  QColor m_defaultColor;
  QColor m_focusedColor{0, 255, 0};
  QColor m_mouseOverColor{0, 255, 255};
  QColor m_mouseDownColor{255, 255, 0};
  QColor m_borderColor;
  QString m_caption;

  QPixmap m_picMouseDown;
  QPixmap m_picMouseOver;
  QPixmap m_picDefault;
  QPixmap m_picFocused;
  QPixmap m_picDisalbed;

  bool m_mouseInside = false;
  bool m_hasFocus = false;
  bool m_pressed = false;
  bool m_pressedInside = false;
  bool m_active = false;  // Enter clicks this button
  // A left press began on the button, so the release may click it (a double-click's
  // second press does not arm it: one double-click is one click).
  bool m_clickArmed = false;
  bool m_painting = false;
  int m_acceleratorShortcut = 0;
  int m_cancelShortcut = 0;
};

}  // namespace lomarin
