#include "tfrmbodyhncnt.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "desktop.h"
#include "myrichedit.h"
#include "qtcp874.h"
#include "readerframe.h"
#include "tstatusbar.h"
#include "windowlist.h"

namespace lomarin {

TfrmBodyHNCNT::TfrmBodyHNCNT(Desktop& desktop, QWidget* parent) : DocumentView(parent), m_desktop(desktop) {
  setObjectName(QStringLiteral("frmBodyHNCNT"));
  SetUpReaderForm(this);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setFixedHeight(47);
  lbBookName = NewBookTitle(Panel1, QStringLiteral("lbBookName"));
  QStyle* s = style();
  btnCopyText = NewFlatButton(this, QStringLiteral("btnCopyText"), s->standardIcon(QStyle::SP_FileDialogNewFolder),
                              QStringLiteral("คัดลอกข้อความ"));
  btnCopyText->setEnabled(false);
  btnPrint = NewFlatButton(this, QStringLiteral("btnPrint"), s->standardIcon(QStyle::SP_DialogSaveButton),
                           QStringLiteral("พิมพ์"));
  btnClose = NewFlatButton(this, QStringLiteral("btnClose"), s->standardIcon(QStyle::SP_DialogCloseButton),
                           QStringLiteral("ปิดคัมภีร์"));
  pnFunc = NewFunctionPanel(Panel1, 128, {btnCopyText, btnPrint, btnClose});
  connect(btnCopyText, &QToolButton::clicked, this, &TfrmBodyHNCNT::btnCopyTextClick);
  connect(btnClose, &QToolButton::clicked, this, &TfrmBodyHNCNT::btnCloseClick);
  auto* titleRow = new QHBoxLayout(Panel1);
  titleRow->setContentsMargins(0, 0, 0, 0);
  titleRow->setSpacing(0);
  titleRow->addWidget(lbBookName, 1);
  titleRow->addWidget(pnFunc);

  reBody = new TMyRichEdit(this);
  reBody->setObjectName(QStringLiteral("reBody"));
  StyleBookText(reBody, true);
  connect(reBody, &QPlainTextEdit::selectionChanged, this, &TfrmBodyHNCNT::reBodySelectionChange);

  stbar = NewPlainStatusBar(this);
  btnBookSwitch = NewFlatButton(stbar, QStringLiteral("btnBookSwitch"), s->standardIcon(QStyle::SP_FileDialogListView),
                                QStringLiteral("ดูคัมภีร์ที่เปิดอยู่"));
  connect(btnBookSwitch, &QToolButton::clicked, this, &TfrmBodyHNCNT::btnBookSwitchClick);

  CreatePopupMenu();

  StackReaderParts(this, Panel1, reBody, stbar);
}

void TfrmBodyHNCNT::CreatePopupMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  const TextPopupItems items = AddTextPopupItems(PopupMenu1);
  pimCopy = items.copy;
  pimSelPrint = items.printSelection;
  N2 = items.selectAll;
  connect(pimCopy, &QAction::triggered, this, &TfrmBodyHNCNT::btnCopyTextClick);
  connect(N2, &QAction::triggered, this, &TfrmBodyHNCNT::N2Click);
  AttachTextPopup(reBody, PopupMenu1, [this] { PopupMenu1Popup(); });
}

void TfrmBodyHNCNT::showEvent(QShowEvent* event) {
  DocumentView::showEvent(event);
  FormShow();
}

void TfrmBodyHNCNT::FormShow() {
  lbBookName->setText(QStringFromCp874(TitleOfKey(DocumentKey)));
  PlaceBookSwitchButton(btnBookSwitch, stbar);
  reBody->SetSelStart(0);
  reBody->setFocus();
}

void TfrmBodyHNCNT::btnCloseClick() { CloseDocumentView(m_desktop, *this, DocumentKey); }

void TfrmBodyHNCNT::btnCopyTextClick() {
  if (reBody->SelLength() > 0) reBody->copy();
}

void TfrmBodyHNCNT::btnBookSwitchClick() { ShowOpenBooks(m_desktop, this); }

void TfrmBodyHNCNT::reBodySelectionChange() {
  btnCopyText->setEnabled(reBody->SelLength() > 0);
  m_desktop.SearchText = reBody->SelectedBytes();
}

void TfrmBodyHNCNT::PopupMenu1Popup() {
  const bool selected = reBody->SelLength() > 0;
  pimCopy->setEnabled(selected);
  pimSelPrint->setEnabled(selected);
}

void TfrmBodyHNCNT::N2Click() { reBody->selectAll(); }

}  // namespace lomarin
