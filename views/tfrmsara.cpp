#include "tfrmsara.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "desktop.h"
#include "findheadword.h"
#include "keyboardlayout.h"
#include "listrows.h"
#include "myrichedit.h"
#include "otherbookkeys.h"
#include "qtcp874.h"
#include "readerframe.h"
#include "saraproc.h"
#include "tstatusbar.h"

namespace lomarin {
namespace {

const QColor kListColour(252, 241, 211);
constexpr int kListWidth = 207;
constexpr int kRowHeight = 36;
constexpr int kSplitterWidth = 3;

// The captions of the two alignment commands while the list stands at the right.
const QString kToLeftCaption = QStringLiteral("ชิดขอบซ้าย");
const QString kToRightCaption = QStringLiteral("ชิดขอบขวา");

}  // namespace

TfrmSara::TfrmSara(Desktop& desktop, QWidget* parent) : DocumentView(parent), m_desktop(desktop) {
  setObjectName(QStringLiteral("frmSara"));
  SetUpReaderForm(this);
  CreateTitleBar();

  lsbWord = new QListWidget(this);
  lsbWord->setObjectName(QStringLiteral("lsbWord"));
  QPalette listColours = lsbWord->palette();
  listColours.setColor(QPalette::Base, kListColour);
  lsbWord->setPalette(listColours);
  connect(lsbWord, &QListWidget::currentRowChanged, this, &TfrmSara::lsbWordClick);

  reBody = new TMyRichEdit(this);
  reBody->setObjectName(QStringLiteral("reBody"));
  StyleBookText(reBody, true);
  connect(reBody, &QPlainTextEdit::selectionChanged, this, &TfrmSara::reBodySelectionChange);

  splSara = new QSplitter(Qt::Horizontal, this);
  splSara->setObjectName(QStringLiteral("splSara"));
  splSara->setHandleWidth(kSplitterWidth);
  splSara->setChildrenCollapsible(false);
  splSara->addWidget(reBody);
  splSara->addWidget(lsbWord);
  splSara->setStretchFactor(0, 1);
  splSara->setStretchFactor(1, 0);

  stbar = NewPlainStatusBar(this);
  btnBookSwitch = NewFlatButton(stbar, QStringLiteral("btnBookSwitch"),
                                style()->standardIcon(QStyle::SP_FileDialogListView),
                                QStringLiteral("ดูคัมภีร์ที่เปิดอยู่"));
  btnBookSwitch->hide();  // it joins the status bar at the first show
  connect(btnBookSwitch, &QToolButton::clicked, this, &TfrmSara::btnBookSwitchClick);

  CreatePopupMenus();

  StackReaderParts(this, Panel1, splSara, stbar);

  FormCreate();
}

void TfrmSara::CreateTitleBar() {
  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(47);
  Label1 = new QLabel(QStringLiteral("คำศัพท์"), Panel1);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->setContentsMargins(8, 0, 8, 0);
  edWord = new QLineEdit(Panel1);
  edWord->setObjectName(QStringLiteral("edWord"));
  edWord->setMaxLength(static_cast<int>(kHeadwordBufferBytes));
  connect(edWord, &QLineEdit::textChanged, this, &TfrmSara::edWordChange);
  edWord->installEventFilter(this);

  QStyle* s = style();
  btnCopy = NewFlatButton(this, QStringLiteral("btnCopy"), s->standardIcon(QStyle::SP_FileDialogNewFolder),
                          QStringLiteral("คัดลอกข้อความ"));
  btnCopy->setEnabled(false);
  btnSwapAlign = NewFlatButton(this, QStringLiteral("btnSwapAlign"), s->standardIcon(QStyle::SP_BrowserReload),
                               QStringLiteral("สลับชิดซ้าย-ขวา"));
  btnPrint = NewFlatButton(this, QStringLiteral("btnPrint"), s->standardIcon(QStyle::SP_DialogSaveButton),
                           QStringLiteral("พิมพ์"));
  btnClose = NewFlatButton(this, QStringLiteral("btnClose"), s->standardIcon(QStyle::SP_DialogCloseButton),
                           QStringLiteral("ปิด"));
  pnFunc = NewFunctionPanel(Panel1, 170, {btnCopy, btnSwapAlign, btnPrint, btnClose});
  connect(btnCopy, &QToolButton::clicked, this, &TfrmSara::pimCopyClick);
  connect(btnSwapAlign, &QToolButton::clicked, this, &TfrmSara::btnSwapAlignClick);
  connect(btnClose, &QToolButton::clicked, this, &TfrmSara::btnCloseClick);

  auto* row = new QHBoxLayout(Panel1);
  row->setContentsMargins(0, 4, 0, 4);
  row->setSpacing(4);
  row->addWidget(Label1);
  row->addWidget(edWord, 1);
  row->addWidget(pnFunc);
}

void TfrmSara::CreatePopupMenus() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Copy1 = PopupMenu1->addAction(QStringLiteral("คัดลอกคำศัพท์"));
  PopupMenu1->addSeparator();
  imnAlign = PopupMenu1->addAction(kToLeftCaption);
  connect(Copy1, &QAction::triggered, this, &TfrmSara::Copy1Click);
  connect(imnAlign, &QAction::triggered, this, &TfrmSara::imnAlignClick);
  lsbWord->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(lsbWord, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->exec(lsbWord->viewport()->mapToGlobal(at)); });

  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  pimCopy = PopupMenu2->addAction(QStringLiteral("คัดลอกข้อความ"));
  pimSelPrint = PopupMenu2->addAction(QStringLiteral("พิมพ์ข้อความที่เลือกไว้"));
  PopupMenu2->addSeparator();
  N4 = PopupMenu2->addAction(kToRightCaption);
  connect(pimCopy, &QAction::triggered, this, &TfrmSara::pimCopyClick);
  connect(N4, &QAction::triggered, this, &TfrmSara::imnAlignClick);
  AttachTextPopup(reBody, PopupMenu2, [this] { PopupMenu2Popup(); });
}

void TfrmSara::FormCreate() {
  SetEncyclopediaFolder(m_desktop.DataFolder + "others/");
  LineList headwords;
  LoadEncyclopediaIndex(headwords);
  m_headwords = std::move(headwords.lines);
  FillRows(lsbWord, m_headwords, kRowHeight);
}

void TfrmSara::showEvent(QShowEvent* event) {
  DocumentView::showEvent(event);
  FormShow();
}

void TfrmSara::FormShow() {
  PlaceBookSwitchButton(btnBookSwitch, stbar);
  btnBookSwitch->show();
  if (!m_listSized) {
    // The list starts at its designed width; the splitter gives the text the rest.
    m_listSized = true;
    const int text = std::max(0, splSara->width() - kListWidth - kSplitterWidth);
    splSara->setSizes({text, kListWidth});
  }
}

void TfrmSara::SelectHeadword(int index) {
  const QSignalBlocker quiet(lsbWord);
  lsbWord->setCurrentRow(index);
  if (QListWidgetItem* row = lsbWord->item(index)) lsbWord->scrollToItem(row);
}

void TfrmSara::lsbWordClick() {
  const int chosen = SelectedRow(lsbWord);
  if (chosen < 0) return;
  const std::string& headword = m_headwords[static_cast<size_t>(chosen)];
  edWord->setText(QStringFromCp874(headword));
  // Writing the field moves the list to the first headword that begins with it; the
  // article opened is still the one chosen.
  SelectHeadword(chosen);

  QTextCharFormat regular;
  regular.setFontWeight(QFont::Normal);
  regular.setForeground(Qt::black);
  reBody->FormatBytes({{0, static_cast<int>(reBody->Text().size())}}, regular);
  SetEncyclopediaFolder(m_desktop.DataFolder + "others/");
  LoadEncyclopediaArticle(chosen, *reBody);
  QTextCharFormat heading;
  heading.setFontWeight(QFont::Bold);
  heading.setForeground(QColor(0, 0, 255));
  const int headingBytes = std::min(headword.size(), reBody->Text().size());
  reBody->FormatBytes({{0, headingBytes}}, heading);
  reBody->SetSelStart(0);
}

void TfrmSara::edWordChange() {
  if (const std::optional<int> found = FindHeadword(m_headwords, Cp874FromQString(edWord->text()))) {
    SelectHeadword(*found);
  }
}

// Opening the article writes the selected headword into the field first.
void TfrmSara::edWordKeyPress() { lsbWordClick(); }

bool TfrmSara::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edWord) {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        edWordKeyPress();
        return true;
      }
    } else if (event->type() == QEvent::FocusIn) {
      ActivateKeyboardLayout(kThaiKeyboardLayout);
    } else if (event->type() == QEvent::FocusOut) {
      ActivateKeyboardLayout(kEnglishKeyboardLayout);
    }
  }
  return DocumentView::eventFilter(watched, event);
}

void TfrmSara::imnAlignClick() {
  m_listAtRight = !m_listAtRight;
  // The splitter stays between the two, so it follows the list to its side.
  splSara->insertWidget(m_listAtRight ? 1 : 0, lsbWord);
  imnAlign->setText(m_listAtRight ? kToLeftCaption : kToRightCaption);
  N4->setText(m_listAtRight ? kToRightCaption : kToLeftCaption);
}

void TfrmSara::btnSwapAlignClick() { imnAlignClick(); }

void TfrmSara::btnCloseClick() { CloseDocumentView(m_desktop, *this, kEncyclopediaKey); }

void TfrmSara::btnBookSwitchClick() { ShowOpenBooks(m_desktop, this); }

void TfrmSara::reBodySelectionChange() {
  m_desktop.SearchText = reBody->SelectedBytes();
  btnCopy->setEnabled(reBody->SelLength() > 0);
}

void TfrmSara::PopupMenu2Popup() {
  const bool selected = reBody->SelLength() > 0;
  pimCopy->setEnabled(selected);
  pimSelPrint->setEnabled(selected);
}

void TfrmSara::pimCopyClick() {
  if (reBody->SelLength() > 0) reBody->copy();
}

void TfrmSara::Copy1Click() {
  const int selected = SelectedRow(lsbWord);
  if (selected >= 0) QApplication::clipboard()->setText(lsbWord->item(selected)->text());
}

}  // namespace lomarin
