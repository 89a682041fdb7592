#include "tfrmsearchbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <algorithm>

#include "desktop.h"
#include "documentcode.h"
#include "hint.h"
#include "qtcp874.h"
#include "rgnbtn.h"
#include "thaifonts.h"
#include "volumelabels.h"

namespace lomarin {
namespace {

const QColor kTitleColour(108, 82, 11);
constexpr int kStandInPixels = 22;

// A label at its design place, moved left as far as needed to end before its field.
QLabel* NewLabel(QWidget* parent, const QString& objectName, const QString& caption, int x, int y, int fieldLeft) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(objectName);
  label->adjustSize();
  label->move(std::min(x, fieldLeft - 6 - label->width()), y);
  return label;
}

QComboBox* NewList(QWidget* parent, const QString& objectName, const QRect& at) {
  auto* list = new QComboBox(parent);
  list->setObjectName(objectName);
  list->setGeometry(at);
  return list;
}

}  // namespace

TfrmSearchBox::TfrmSearchBox(Desktop& desktop, QWidget* owner)
    : DialogForm(owner, QSize(608, 339)),
      History(desktop.DataFolder, PerUserDataFolder()),
      m_desktop(desktop) {
  setObjectName(QStringLiteral("frmSearchBox"));
  // The design's 27-pixel Angsana is a narrow face; its TLWG stand-in needs fewer pixels
  // for the same width, or the labels run into the fields beside them.
  setFont(PixelFont(QStringLiteral("AngsanaUPC"), kStandInPixels));

  Label3 = new QLabel(QStringLiteral("ค้นหา"), this);
  Label3->setObjectName(QStringLiteral("Label3"));
  Label3->setGeometry(202, 47, 228, 37);
  Label3->setAlignment(Qt::AlignCenter);
  Label3->setFont(PixelFont(QStringLiteral("AngsanaUPC"), kStandInPixels + 2, true));
  Label3->setAutoFillBackground(true);
  QPalette titleColours = Label3->palette();
  titleColours.setColor(QPalette::Window, kTitleColour);
  titleColours.setColor(QPalette::WindowText, Qt::white);
  Label3->setPalette(titleColours);
  RGNBtn7 = TRGNBtn::CreateCommon(this, QStringLiteral("RGNBtn7"), QStringLiteral("?"), QRect(167, 50, 32, 32));
  SetHint(RGNBtn7, QStringLiteral("ขอคำแนะนำการใช้งาน"));

  Label1 = NewLabel(this, QStringLiteral("Label1"), QStringLiteral("คำที่ต้องการค้นหา"), 42, 97, 180);
  edWordSearch = NewList(this, QStringLiteral("edWordSearch"), QRect(180, 95, 381, 36));
  edWordSearch->setEditable(true);
  edWordSearch->setInsertPolicy(QComboBox::NoInsert);
  edWordSearch->setMaxVisibleItems(12);
  connect(edWordSearch, &QComboBox::editTextChanged, this, &TfrmSearchBox::edWordSearchChange);

  Label2 = NewLabel(this, QStringLiteral("Label2"), QStringLiteral("ค้นจาก"), 102, 151, 159);
  cbxBooks = NewList(this, QStringLiteral("cbxBooks"), QRect(159, 149, 160, 36));
  cbxBooks->addItems({QStringLiteral("พระไตรปิฎก"), QStringLiteral("อรรถกถา")});
  connect(cbxBooks, &QComboBox::activated, this, &TfrmSearchBox::cbxBooksChange);
  cbxBookNum = NewList(this, QStringLiteral("cbxBookNum"), QRect(322, 148, 161, 36));
  cbxBookNum->setMaxVisibleItems(16);

  ckbTogether = new QCheckBox(QStringLiteral("โดยอยู่ในข้อหรือหน้าเดียวกัน"), this);
  ckbTogether->setObjectName(QStringLiteral("ckbTogether"));
  ckbTogether->setGeometry(181, 202, 239, 35);
  ckbTogether->adjustSize();

  btnSearch = TRGNBtn::CreateCommon(this, QStringLiteral("btnSearch"), QStringLiteral("ค้นหา"), QRect(196, 249, 101, 32));
  btnSearch->SetDefault(true);
  btnSearch->setEnabled(false);
  connect(btnSearch, &TRGNBtn::OnClick, this, &TfrmSearchBox::btnSearchClick);
  btnClose = TRGNBtn::CreateCommon(this, QStringLiteral("btnClose"), QStringLiteral("ปิด"), QRect(306, 249, 101, 32));
  btnClose->SetCancel(true);
  connect(btnClose, &TRGNBtn::OnClick, this, &TfrmSearchBox::btnCloseClick);

  pgbar1 = new QProgressBar(this);
  pgbar1->setObjectName(QStringLiteral("pgbar1"));
  pgbar1->setGeometry(48, 249, 511, 16);
  pgbar1->setRange(0, 100);
  pgbar1->setTextVisible(false);
  pgbar1->hide();

  setTabOrder(edWordSearch, cbxBooks);
  setTabOrder(cbxBooks, cbxBookNum);
  setTabOrder(cbxBookNum, ckbTogether);
  setTabOrder(ckbTogether, btnSearch);
  setTabOrder(btnSearch, btnClose);
  setTabOrder(btnClose, RGNBtn7);
  for (QObject* watched : {static_cast<QObject*>(edWordSearch->lineEdit()), static_cast<QObject*>(cbxBooks),
                           static_cast<QObject*>(cbxBookNum)}) {
    watched->installEventFilter(this);
  }

  // FormCreate.
  edWordSearch->setEditText(QString());
  cbxBooks->setCurrentIndex(0);
  cbxBooksChange();
  edWordSearch->setFocus();
}

void TfrmSearchBox::showEvent(QShowEvent* event) {
  DialogForm::showEvent(event);
  FormShow();
}

void TfrmSearchBox::FormShow() {
  History.Load();
  const QString query = edWordSearch->currentText();
  edWordSearch->clear();
  for (const std::string& entry : History.Entries()) edWordSearch->addItem(QStringFromCp874(entry));
  edWordSearch->setEditText(query);
}

void TfrmSearchBox::edWordSearchChange() { btnSearch->setEnabled(!edWordSearch->currentText().isEmpty()); }

void TfrmSearchBox::cbxBooksChange() {
  cbxBookNum->clear();
  cbxBookNum->addItem(QStringLiteral("ทุกเล่ม"));
  const QString volume = QStringLiteral("เล่มที่ ");
  if (cbxBooks->currentIndex() == 0) {
    for (const char* label : TipitakaVolumeLabels) cbxBookNum->addItem(volume + QString::fromLatin1(label));
  } else {
    for (const char* label : AtthakathaVolumeLabels) cbxBookNum->addItem(volume + QString::fromLatin1(label));
  }
  cbxBookNum->setCurrentIndex(0);
}

bool TfrmSearchBox::edWordSearchKeyPress(int key) {
  if ((key != Qt::Key_Return && key != Qt::Key_Enter) || !btnSearch->isEnabled()) return false;
  btnSearch->Click();
  return true;
}

bool TfrmSearchBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && edWordSearchKeyPress(static_cast<QKeyEvent*>(event)->key())) return true;
  return DialogForm::eventFilter(watched, event);
}

void TfrmSearchBox::RestoreButtons() {
  edWordSearch->setFocus();
  btnSearch->show();
  btnClose->show();
  pgbar1->hide();
}

void TfrmSearchBox::btnSearchClick() {
  btnSearch->hide();
  btnClose->hide();
  pgbar1->setValue(0);
  pgbar1->show();

  const std::string query = Cp874FromQString(edWordSearch->currentText());
  m_desktop.SearchText = query;
  m_desktop.SearchVolumeChoice = cbxBookNum->currentIndex() <= 0 ? kAllVolumes : cbxBookNum->currentIndex();
  m_desktop.RequestCode = kSearchResultsCode;
  m_desktop.RequestArg = cbxBooks->currentIndex() + (ckbTogether->isChecked() ? 16 : 0);
  m_desktop.SearchProgressBar = [this](int percent) { pgbar1->setValue(percent); };
  try {
    m_desktop.ProcessDocumentRequest();
  } catch (...) {
    // A search that meets a missing or damaged file leaves the dialog usable.
    m_desktop.SearchProgressBar = nullptr;
    RestoreButtons();
    throw;
  }
  m_desktop.SearchProgressBar = nullptr;
  if (m_desktop.SearchFailed) {
    RestoreButtons();
    return;
  }
  History.Add(query);
  // The results are shown whatever becomes of the history: close first, then let a
  // failed write reach the error report.
  close();
  History.Save();
}

void TfrmSearchBox::btnCloseClick() { close(); }

}  // namespace lomarin
