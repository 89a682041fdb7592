#include "tfrmbookswitch.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>

#include "bookswitchplan.h"
#include "desktop.h"
#include "documentview.h"
#include "listrows.h"
#include "rgnbtn.h"
#include "thaifonts.h"
#include "warningbox.h"

namespace lomarin {
namespace {

const QColor kTitleColour(101, 75, 10);
constexpr int kRowHeight = 36;
constexpr size_t kMostShownTogether = 2;

}  // namespace

TfrmBookSwitch::TfrmBookSwitch(Desktop& desktop, const QRect& pageImage, QWidget* owner)
    : DialogForm(owner, QSize(478, 368)), m_desktop(desktop), m_pageImage(pageImage) {
  setObjectName(QStringLiteral("frmBookSwitch"));
  setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27));

  lbBookName = new QLabel(QStringLiteral("รายชื่อหนังสือที่เปิดอยู่ในขณะนี้"), this);
  lbBookName->setObjectName(QStringLiteral("lbBookName"));
  lbBookName->setGeometry(8, 8, 462, 38);
  lbBookName->setAlignment(Qt::AlignCenter);
  lbBookName->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27));
  lbBookName->setAutoFillBackground(true);
  QPalette titleColours = lbBookName->palette();
  titleColours.setColor(QPalette::Window, kTitleColour);
  titleColours.setColor(QPalette::WindowText, Qt::yellow);
  lbBookName->setPalette(titleColours);

  cklBookList = new QListWidget(this);
  cklBookList->setObjectName(QStringLiteral("cklBookList"));
  cklBookList->setGeometry(8, 50, 461, 265);
  connect(cklBookList, &QListWidget::itemChanged, this, &TfrmBookSwitch::cklBookListClickCheck);
  cklBookList->viewport()->installEventFilter(this);

  btnOpen = TRGNBtn::CreateCommon(this, QStringLiteral("btnOpen"), QStringLiteral("เปิด"), QRect(134, 326, 100, 32));
  btnOpen->SetDefault(true);
  connect(btnOpen, &TRGNBtn::OnClick, this, &TfrmBookSwitch::cklBookListDblClick);
  btnCancel = TRGNBtn::CreateCommon(this, QStringLiteral("btnCancel"), QStringLiteral("ยกเลิก"), QRect(244, 326, 100, 32));
  btnCancel->SetCancel(true);
  connect(btnCancel, &TRGNBtn::OnClick, this, &TfrmBookSwitch::btnCancelClick);
  cklBookList->setFocus();
}

void TfrmBookSwitch::FillFromWindowList() {
  std::vector<std::string> titles;
  for (int i = 0; i < m_desktop.WindowList.Count(); ++i) titles.push_back(TitleOfKey(m_desktop.WindowList.At(i).key));
  FillRows(cklBookList, titles, kRowHeight);
  const QSignalBlocker quiet(cklBookList);
  for (int i = 0; i < cklBookList->count(); ++i) {
    QListWidgetItem* row = cklBookList->item(i);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
    row->setCheckState(Qt::Unchecked);
  }
  cklBookList->setCurrentRow(m_desktop.CurrentIndex);
}

std::vector<int> TfrmBookSwitch::tickedLines() const {
  std::vector<int> ticked;
  for (int i = 0; i < cklBookList->count(); ++i) {
    if (cklBookList->item(i)->checkState() == Qt::Checked) ticked.push_back(i);
  }
  return ticked;
}

void TfrmBookSwitch::warnAboutTooMany() {
  ShowWarning(this, QStringLiteral("ข้อความเตือน"), QStringLiteral("แสดงหนังสือพร้อมกันได้ไม่เกิน 2 เล่ม"));
}

void TfrmBookSwitch::cklBookListClickCheck() {
  const bool tooMany = tickedLines().size() > kMostShownTogether;
  btnOpen->setEnabled(!tooMany);
  if (tooMany) warnAboutTooMany();
}

void TfrmBookSwitch::cklBookListDblClick() {
  const std::optional<BookSwitchPlan> plan = PlanBookSwitch(
      tickedLines(), SelectedRow(cklBookList), m_desktop.WindowList.Count(), m_pageImage.top(), m_pageImage.height());
  if (!plan) {
    // More than two ticked: the user unticks before anything is shown.
    if (tickedLines().size() > kMostShownTogether) warnAboutTooMany();
    return;
  }
  for (const ViewPlacement& placed : plan->views) m_desktop.WindowList.At(placed.index).view->hide();
  for (const ViewPlacement& placed : plan->views) {
    DocumentView* view = m_desktop.WindowList.At(placed.index).view;
    view->setGeometry(view->x(), placed.top, view->width(), placed.height);
    view->PartnerIndex = placed.partner;
  }
  for (const ViewPlacement& placed : plan->views) m_desktop.WindowList.At(placed.index).view->raise();
  for (const ViewPlacement& placed : plan->views) m_desktop.WindowList.At(placed.index).view->show();
  m_desktop.CurrentIndex = plan->currentIndex;
  close();
}

void TfrmBookSwitch::btnCancelClick() { close(); }

void TfrmBookSwitch::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    cklBookListDblClick();
    return;
  }
  DialogForm::keyPressEvent(event);
}

bool TfrmBookSwitch::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cklBookList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    cklBookListDblClick();
    return true;
  }
  return DialogForm::eventFilter(watched, event);
}

}  // namespace lomarin
