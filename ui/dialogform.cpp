#include "dialogform.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

namespace lomarin {

DialogForm::DialogForm(QWidget* owner, const QSize& clientSize)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, QColor::fromRgb(kFormColor));
  setPalette(colours);
  setFixedSize(clientSize);
}

void DialogForm::showEvent(QShowEvent* event) {
  if (const QScreen* s = screen()) {
    const QRect area = s->geometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
  }
  QDialog::showEvent(event);
}

void DialogForm::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(QColor(101, 75, 10), 2));
  painter.drawRect(QRectF(1, 1, width() - 2, height() - 2));
}

void DialogForm::keyPressEvent(QKeyEvent* event) {
  // The dialog's own Esc (reject) and Enter (default push button) do not apply: its
  // region buttons answer those keys.
  if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace lomarin
