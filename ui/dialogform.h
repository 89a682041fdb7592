// DialogForm: the base of every modal dialog. It has no border, stands centred on the
// screen, fills itself with the form colour RGB(249, 233, 193), and frees itself when it
// closes. Esc reaches only the cancel button of the dialog (a region button), never the
// dialog itself, so a dialog without one stays open.
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
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace lomarin
