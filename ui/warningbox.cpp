#include "warningbox.h"

#include <QLabel>
#include <QStringList>

#include "dialogform.h"
#include "rgnbtn.h"
#include "thaifonts.h"

namespace lomarin {
namespace {

constexpr int kButtonWidth = 100;
constexpr int kButtonGap = 16;

// Shows the box modally; answers the index of the button chosen. The first button has
// the focus, the last one answers Esc.
int ShowMessage(QWidget* owner, const QString& caption, const QString& text, const QStringList& buttons) {
  auto* box = new DialogForm(owner, QSize(480, 156));
  box->setObjectName(QStringLiteral("frmMessage"));
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

  int chosen = static_cast<int>(buttons.size()) - 1;
  const int rowWidth = static_cast<int>(buttons.size()) * (kButtonWidth + kButtonGap) - kButtonGap;
  int x = (box->width() - rowWidth) / 2;
  for (int i = 0; i < buttons.size(); ++i) {
    TRGNBtn* button = TRGNBtn::CreateCommon(box, i == 0 ? QStringLiteral("btnOK") : QStringLiteral("btnCancel"),
                                            buttons[i], QRect(x, 112, kButtonWidth, 32));
    x += kButtonWidth + kButtonGap;
    QObject::connect(button, &TRGNBtn::OnClick, box, [box, &chosen, i] {
      chosen = i;
      box->close();
    });
    if (i == 0) button->setFocus();
    if (i == buttons.size() - 1) button->SetCancel(true);
  }
  box->exec();
  return chosen;
}

}  // namespace

void ShowWarning(QWidget* owner, const QString& caption, const QString& text) {
  ShowMessage(owner, caption, text, {QStringLiteral("ตกลง")});
}

bool AskQuestion(QWidget* owner, const QString& caption, const QString& text, const QString& yes, const QString& no) {
  return ShowMessage(owner, caption, text, {yes, no}) == 0;
}

}  // namespace lomarin
