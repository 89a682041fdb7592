#include "tfrmbodyhcnt.h"

#include <QAction>
#include <QKeyEvent>
#include <QListWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <charconv>
#include <stdexcept>

#include "desktop.h"
#include "documentcode.h"
#include "fileerror.h"
#include "hint.h"
#include "myrichedit.h"
#include "positiontracking.h"
#include "qtcp874.h"
#include "readercontents.h"
#include "searchpanel.h"
#include "readerframe.h"
#include "listrows.h"
#include "tfrmcontent.h"
#include "thaidigits.h"
#include "thaifonts.h"
#include "tstatusbar.h"

namespace lomarin {
namespace {

const QColor kGutterColour(155, 117, 15);
const QColor kLineNumberColour(202, 202, 255);

constexpr int kStatusBarHeight = 30;
constexpr int kPageLabelPanel = 1;
constexpr int kItemLabelPanel = 2;

QLabel* NewNumber(QWidget* parent, const QString& objectName, const QString& hint) {
  auto* number = new QLabel(QStringFromCp874(ThaiDigits(0) + ThaiDigits(0) + ThaiDigits(0) + ThaiDigits(0)), parent);
  number->setObjectName(objectName);
  number->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 24, true));
  QPalette colours = number->palette();
  colours.setColor(QPalette::WindowText, Qt::blue);
  colours.setColor(QPalette::Disabled, QPalette::WindowText, Qt::gray);
  number->setPalette(colours);
  number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  number->resize(60, 36);
  SetHint(number, hint);
  return number;
}

QLineEdit* NewNumberEdit(QWidget* parent, const QString& objectName) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(objectName);
  edit->setMaxLength(4);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,4}")), edit));
  edit->setFont(PixelFont(QStringLiteral("Arial"), 13, true));
  edit->resize(45, 21);
  edit->hide();
  return edit;
}

// The integer a number edit holds, blanks trimmed at both ends; an edit without one is
// the user's error and ends the jump with the conversion's message.
int EditNumber(const QLineEdit* edit) {
  const std::string text = edit->text().trimmed().toStdString();
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw std::invalid_argument("'" + text + "' is not a valid integer value");
  }
  return value;
}

}  // namespace

TfrmBodyHCNT::TfrmBodyHCNT(Desktop& desktop, QWidget* parent) : DocumentView(parent), m_desktop(desktop) {
  setObjectName(QStringLiteral("frmBodyHCNT"));
  SetUpReaderForm(this);

  CreateTitleBar();

  reBody = new TMyRichEdit(this);
  reBody->setObjectName(QStringLiteral("reBody"));
  StyleBookText(reBody, false);
  reBody->SetThaiStyleLineNumber(false);
  reBody->SetGutterColor(kGutterColour);
  reBody->SetLineNumberColor(kLineNumberColour);
  connect(reBody, &TMyRichEdit::OnVScroll, this, &TfrmBodyHCNT::reBodyVScroll);
  connect(reBody, &QPlainTextEdit::selectionChanged, this, &TfrmBodyHCNT::reBodySelectionChange);

  CreateStatusBar();
  CreatePopupMenu();

  StackReaderParts(this, Panel1, reBody, stbar);
}

void TfrmBodyHCNT::CreateTitleBar() {
  const ReaderTitleBar bar = NewReaderTitleBar(this, 127);
  Panel1 = bar.panel;
  lbBookName = bar.title;
  pnFunc = bar.functions;
  btnCopyText = bar.copy;
  btnPrint = bar.print;
  btnClose = bar.close;
  connect(btnCopyText, &QToolButton::clicked, this, [this] { reBody->copy(); });
  connect(btnClose, &QToolButton::clicked, this, &TfrmBodyHCNT::btnCloseClick);
}

void TfrmBodyHCNT::CreateStatusBar() {
  stbar = new TStatusBar({{250, {}, false},
                          {100, QStringLiteral("หน้า"), true},
                          {100, QStringLiteral("ข้อ"), true},
                          {238, {}, false}},
                         this);
  stbar->setObjectName(QStringLiteral("stbar"));
  stbar->setFixedHeight(kStatusBarHeight);
  stbar->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 21, true));
  stbar->DrawPanel = [this](QPainter& painter, int panel, const QRect& rect) { stbarDrawPanel(painter, panel, rect); };

  QStyle* s = style();
  btnBookSwitch = NewFlatButton(stbar, QStringLiteral("btnBookSwitch"), s->standardIcon(QStyle::SP_FileDialogListView),
                            QStringLiteral("ดูคัมภีร์ที่เปิดอยู่"));
  btnSearch = NewFlatButton(stbar, QStringLiteral("btnSearch"), s->standardIcon(QStyle::SP_FileDialogContentsView),
                        QStringLiteral("ค้นหา"));
  btnContentOpen = NewFlatButton(stbar, QStringLiteral("btnContentOpen"),
                             s->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("เปิดสารบัญ"));
  ImageList1[0] = s->standardIcon(QStyle::SP_ArrowForward);
  ImageList1[1] = s->standardIcon(QStyle::SP_ArrowBack);
  btnT_ASwitch = NewFlatButton(stbar, QStringLiteral("btnT_ASwitch"), ImageList1[0], QString());

  stPage = NewNumber(stbar, QStringLiteral("stPage"), QStringLiteral("คลิ๊กเพื่อเปลี่ยนหมายเลขหน้าในอรรถกถา"));
  stNum = NewNumber(stbar, QStringLiteral("stNum"), QStringLiteral("คลิ๊กเพื่อเปลี่ยนหมายเลขข้อในพระไตรปิฎก"));
  stNum->setCursor(Qt::PointingHandCursor);
  edNum = NewNumberEdit(stbar, QStringLiteral("edNum"));
  edPage = NewNumberEdit(stbar, QStringLiteral("edPage"));
  for (QObject* watched : {static_cast<QObject*>(stPage), static_cast<QObject*>(stNum),
                           static_cast<QObject*>(edNum), static_cast<QObject*>(edPage)}) {
    watched->installEventFilter(this);
  }
  connect(btnContentOpen, &QToolButton::clicked, this, &TfrmBodyHCNT::btnContentOpenClick);
  connect(btnSearch, &QToolButton::clicked, this, &TfrmBodyHCNT::btnSearchClick);
  connect(btnT_ASwitch, &QToolButton::clicked, this, &TfrmBodyHCNT::btnT_ASwitchClick);
  connect(btnBookSwitch, &QToolButton::clicked, this, &TfrmBodyHCNT::btnBookSwitchClick);
}

void TfrmBodyHCNT::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  imnLink = PopupMenu1->addAction(QStringLiteral("เทียบ"));
  N4 = PopupMenu1->addAction(QStringLiteral("ค้นหา"));
  PopupMenu1->addSeparator();
  const TextPopupItems items = AddTextPopupItems(PopupMenu1);
  pimCopy = items.copy;
  pimSelPrint = items.printSelection;
  N2 = items.selectAll;
  connect(pimCopy, &QAction::triggered, reBody, &QPlainTextEdit::copy);
  connect(N2, &QAction::triggered, this, &TfrmBodyHCNT::N2Click);
  connect(imnLink, &QAction::triggered, this, &TfrmBodyHCNT::btnT_ASwitchClick);
  connect(N4, &QAction::triggered, this, &TfrmBodyHCNT::btnSearchClick);
  AttachTextPopup(reBody, PopupMenu1, [this] { PopupMenu1Popup(); });
}

int TfrmBodyHCNT::Kind() const { return RequestKind(DocumentCode); }

int TfrmBodyHCNT::Volume() const { return RequestIndex(BookCode()) + 1; }

void TfrmBodyHCNT::ConfigureForKind() {
  if (Kind() == kKindTipitaka) {
    SetHint(btnT_ASwitch, QStringLiteral("เทียบอรรถกถา"));
    btnT_ASwitch->setIcon(ImageList1[0]);
    SetHint(stPage, QStringLiteral("คลิ๊กเพื่อเปลี่ยนหมายเลขหน้าในพระไตรปิฎก"));
  } else if (Kind() == kKindAtthakatha) {
    SetHint(btnT_ASwitch, QStringLiteral("เทียบพระไตรปิฎก"));
    stbar->SetPanelWidth(kItemLabelPanel, 0);
    stNum->hide();
    btnT_ASwitch->setIcon(ImageList1[1]);
  } else if (Kind() == kKindMilinda || Kind() == kKindVisuddhi) {
    // Pages only, and no jump to them: the page number is not a link.
    btnT_ASwitch->hide();
    stbar->SetPanelWidth(kItemLabelPanel, 0);
    stNum->hide();
    SetHint(stPage, QString());
  }
  if (Kind() == kKindTipitaka || Kind() == kKindAtthakatha) stPage->setCursor(Qt::PointingHandCursor);
  PartnerIndex = -1;
}

void TfrmBodyHCNT::showEvent(QShowEvent* event) {
  DocumentView::showEvent(event);
  FormShow();
}

void TfrmBodyHCNT::FormShow() {
  lbBookName->setText(QStringFromCp874(TitleOfKey(DocumentKey)));
  const int buttonHeight = stbar->height() - 4;
  int x = 3;
  for (QToolButton* button : {btnBookSwitch, btnSearch, btnContentOpen, btnT_ASwitch}) {
    button->setGeometry(x, 3, buttonHeight + 20, buttonHeight);
    x += buttonHeight + 20;
  }
  const int pageX = stbar->PanelAt(0).width + 25;
  const int itemX = stbar->PanelAt(0).width + stbar->PanelAt(1).width + 25;
  stPage->move(pageX, -3);
  stNum->move(itemX, -3);
  edNum->move(itemX, 5);
  edPage->move(pageX, 5);
  edNum->hide();
  edPage->hide();
  reBodyVScroll();
  reBody->setFocus();
  if (pnSearchResult != nullptr) pnSearchResult->FormShow();
}

void TfrmBodyHCNT::stbarDrawPanel(QPainter& painter, int panel, const QRect& rect) {
  QFont font = stbar->font();
  font.setPointSize(14);
  painter.setFont(font);
  painter.setPen(Qt::blue);
  painter.setBrush(Qt::NoBrush);
  painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, stbar->PanelAt(panel).text);
}

void TfrmBodyHCNT::reBodyVScroll() {
  if (reBody->LineCount() == 0 || m_trackingFailed) return;
  TrackedPosition shown;
  try {
    shown = TrackPosition(m_desktop.DataFolder, RequestKind(BookCode()), Volume(), reBody->FirstVisibleRow());
  } catch (const std::exception& e) {
    // Tracking runs on every paint: a table that cannot be read is reported once, from the
    // event loop rather than from inside the paint, and the numbers stay as they were.
    m_trackingFailed = true;
    QTimer::singleShot(0, this, [text = std::string(e.what())] { throw FileError(text); });
    return;
  }
  stPage->setText(QStringFromCp874(ThaiDigits(shown.page)));
  if (shown.item) stNum->setText(QStringFromCp874(ThaiDigits(*shown.item)));
  if (shown.header) {
    stbar->SetPanelWidth(kItemLabelPanel, 400);
    stbar->SetPanelText(kItemLabelPanel, QStringFromCp874(*shown.header));
  }
  if (shown.compareVisible) btnT_ASwitch->setVisible(*shown.compareVisible);
  if (Kind() == kKindSearchResults) {
    const bool atthakatha = RequestKind(BookCode()) == kKindAtthakatha;
    btnT_ASwitch->setIcon(ImageList1[atthakatha ? 1 : 0]);
    SetHint(btnT_ASwitch, atthakatha ? QStringLiteral("เทียบพระไตรปิฎก") : QStringLiteral("เทียบอรรถกถา"));
  }
}

void TfrmBodyHCNT::reBodySelectionChange() {
  const bool selected = reBody->SelLength() > 0;
  btnCopyText->setEnabled(selected);
  m_desktop.SearchText = reBody->SelectedBytes();
}

void TfrmBodyHCNT::PopupMenu1Popup() {
  const bool selected = reBody->SelLength() > 0;
  pimCopy->setEnabled(selected);
  pimSelPrint->setEnabled(selected);
  imnLink->setVisible(!btnT_ASwitch->isHidden());
  imnLink->setText(btnT_ASwitch->toolTip());
}

void TfrmBodyHCNT::N2Click() { reBody->selectAll(); }

void TfrmBodyHCNT::btnCloseClick() { CloseDocumentView(m_desktop, *this, DocumentKey); }

void TfrmBodyHCNT::btnContentOpenClick() {
  auto* dialog = new TfrmContent(this, ContentsChoice);
  dialog->Label1->setText(QStringLiteral("สารบัญ ") + QStringFromCp874(TitleOfKey(DocumentKey)));
  LineList contents;
  LoadReaderContents(m_desktop.DataFolder, BookCode(), contents);
  FillRows(dialog->ListBox1, contents.lines, 36);
  ContentsChoice = -1;
  dialog->exec();
  if (ContentsChoice < 0) return;
  const int line = ReaderContentsLine(m_desktop.DataFolder, BookCode(), ContentsChoice);
  reBody->ScrollToRow(line);
  reBody->SetSelStart(reBody->RowStartByte(line));
}

void TfrmBodyHCNT::btnBookSwitchClick() { ShowOpenBooks(m_desktop, this); }

void TfrmBodyHCNT::stNumClick() {
  stNum->hide();
  edNum->setText(QString::fromStdString(ArabicDigits(Cp874FromQString(stNum->text()))));
  edNum->show();
  edNum->setFocus();
  edNum->selectAll();
}

void TfrmBodyHCNT::stPageClick() {
  if (Kind() != kKindTipitaka && Kind() != kKindAtthakatha && Kind() != kKindSearchResults) return;
  stPage->hide();
  edPage->setText(QString::fromStdString(ArabicDigits(Cp874FromQString(stPage->text()))));
  edPage->show();
  edPage->setFocus();
  edPage->selectAll();
}

void TfrmBodyHCNT::JumpFromEdit(QLineEdit* edit) {
  const int n = EditNumber(edit);
  if (edit == edNum) {
    if (const std::optional<int> line = ItemJumpLine(m_desktop.DataFolder, Volume(), n)) {
      JumpToLine(stNum, edNum, n, *line);
    }
  } else if (const std::optional<int> line = PageJumpLine(m_desktop.DataFolder, RequestKind(BookCode()), Volume(), n)) {
    JumpToLine(stPage, edPage, n, *line);
  }
}

void TfrmBodyHCNT::JumpToLine(QLabel* number, QLineEdit* edit, int shown, int line) {
  number->setText(QStringFromCp874(ThaiDigits(shown)));
  number->show();
  reBody->ScrollToRow(line);
  // Hidden first, so the focus leaving it is not taken for another Enter.
  edit->hide();
  reBody->setFocus();
  reBody->SetSelStart(reBody->RowStartByte(line));
}

bool TfrmBodyHCNT::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == stNum) stNumClick();
    if (watched == stPage) stPageClick();
  } else if (event->type() == QEvent::KeyPress && (watched == edNum || watched == edPage)) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      JumpFromEdit(static_cast<QLineEdit*>(watched));
      return true;
    }
  } else if (event->type() == QEvent::FocusOut && (watched == edNum || watched == edPage)) {
    auto* edit = static_cast<QLineEdit*>(watched);
    if (!edit->isHidden()) JumpFromEdit(edit);
  }
  return DocumentView::eventFilter(watched, event);
}

}  // namespace lomarin
