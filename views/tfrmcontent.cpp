#include "tfrmcontent.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

#include "listrows.h"
#include "rgnbtn.h"
#include "thaifonts.h"

namespace lomarin {
namespace {

const QColor kHeadingColour(108, 82, 11);
// The contents dialog's buttons stay green while pressed.
constexpr QRgb kContentsMouseDownColor = 0x80FF80;

TRGNBtn* NewButton(QWidget* parent, const QString& objectName, const QString& caption, const QRect& at) {
  TRGNBtn* button = TRGNBtn::CreateCommon(parent, objectName, caption, at);
  button->SetMouseDownColor(QColor::fromRgb(kContentsMouseDownColor));
  return button;
}

}  // namespace

TfrmContent::TfrmContent(QWidget* owner, int32_t& choice) : DialogForm(owner, QSize(530, 346)), m_choice(choice) {
  setObjectName(QStringLiteral("frmContent"));
  setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27));

  Label1 = new QLabel(QStringLiteral("หัวข้อ"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setGeometry(8, 8, 513, 25);
  Label1->setAlignment(Qt::AlignCenter);
  Label1->setFont(PixelFont(QStringLiteral("EucrosiaUPC"), 21, true));
  Label1->setAutoFillBackground(true);
  QPalette headingColours = Label1->palette();
  headingColours.setColor(QPalette::Window, kHeadingColour);
  headingColours.setColor(QPalette::WindowText, Qt::white);
  Label1->setPalette(headingColours);

  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setGeometry(8, 35, 514, 261);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TfrmContent::ListBox1Click);
  connect(ListBox1, &QListWidget::pressed, this, &TfrmContent::ListBox1Click);
  ListBox1->installEventFilter(this);
  ListBox1->viewport()->installEventFilter(this);

  btnOpen = NewButton(this, QStringLiteral("btnOpen"), QStringLiteral("เปิด"), QRect(160, 306, 100, 32));
  btnOpen->SetDefault(true);
  btnOpen->setEnabled(false);
  connect(btnOpen, &TRGNBtn::OnClick, this, &TfrmContent::btnOpenClick);
  RGNBtn2 = NewButton(this, QStringLiteral("RGNBtn2"), QStringLiteral("ยกเลิก"), QRect(270, 306, 100, 32));
  RGNBtn2->SetCancel(true);
  connect(RGNBtn2, &TRGNBtn::OnClick, this, &TfrmContent::RGNBtn2Click);
  ListBox1->setFocus();
}

void TfrmContent::ListBox1Click() { btnOpen->setEnabled(SelectedRow(ListBox1) >= 0); }

void TfrmContent::btnOpenClick() {
  m_choice = SelectedRow(ListBox1);
  close();
}

void TfrmContent::RGNBtn2Click() {
  m_choice = -1;
  close();
}

bool TfrmContent::eventFilter(QObject* watched, QEvent* event) {
  // A double click anywhere on the list, and Enter in it, open as the button does.
  if (watched == ListBox1->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    btnOpenClick();
    return true;
  }
  if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      btnOpenClick();
      return true;
    }
  }
  return DialogForm::eventFilter(watched, event);
}

}  // namespace lomarin
