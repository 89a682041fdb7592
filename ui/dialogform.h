// DialogForm: the base of every modal dialog. It has no border, stands centred on the
// screen, fills itself with the form colour RGB(249, 233, 193), and frees itself when it
// closes. Until the skins frame it, a plain outline marks its edge. Esc and Enter reach
// only its region buttons (the cancel button, the focused button), never the dialog
// itself, so a dialog without a cancel button stays open.
#pragma once

#include <QColor>
#include <QDialog>

namespace lomarin {

class DialogForm : public QDialog {
  Q_OBJECT

 public:
  static constexpr QRgb kFormColor = 0xF9E9C1;  // RGB(249, 233, 193)

  // A client area of the given size, owned by `owner`.
  DialogForm(QWidget* owner, const QSize& clientSize);

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace lomarin
