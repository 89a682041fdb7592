#include "warningbox.h"

#include <QLabel>

#include "dialogform.h"
#include "rgnbtn.h"
#include "thaifonts.h"

namespace lomarin {

void ShowWarning(QWidget* owner, const QString& caption, const QString& text) {
  auto* box = new DialogForm(owner, QSize(480, 156));
  box->setObjectName(QStringLiteral("frmWarning"));
  box->setWindowTitle(caption);
  box->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27));

  auto* heading = new QLabel(caption, box);
  heading->setObjectName(QStringLiteral("lbCaption"));
  heading->setGeometry(2, 2, box->width() - 4, 34);
  heading->setAlignment(Qt::AlignCenter);
  heading->setAutoFillBackground(true);
  heading->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 24, true));
  QPalette headingColours = heading->palette();
  headingColours.setColor(QPalette::Window, QColor(101, 75, 10));
  headingColours.setColor(QPalette::WindowText, Qt::yellow);
  heading->setPalette(headingColours);

  auto* message = new QLabel(text, box);
  message->setObjectName(QStringLiteral("lbText"));
  message->setGeometry(10, 40, box->width() - 20, 62);
  message->setAlignment(Qt::AlignCenter);
  message->setWordWrap(true);

  auto* ok = new TRGNBtn(box);
  ok->setObjectName(QStringLiteral("btnOK"));
  ok->UseCommonPalette();
  ok->SetCaption(QStringLiteral("ตกลง"));
  ok->SetCancel(true);
  ok->setGeometry((box->width() - 100) / 2, 112, 100, 32);
  QObject::connect(ok, &TRGNBtn::OnClick, box, &QDialog::accept);
  ok->setFocus();
  box->exec();
}

}  // namespace lomarin
