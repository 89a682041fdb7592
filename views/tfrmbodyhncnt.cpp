#include "tfrmbodyhncnt.h"

#include <QAction>
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

  const ReaderTitleBar bar = NewReaderTitleBar(this, 128);
  Panel1 = bar.panel;
  lbBookName = bar.title;
  pnFunc = bar.functions;
  btnCopyText = bar.copy;
  btnPrint = bar.print;
  btnClose = bar.close;
  connect(btnCopyText, &QToolButton::clicked, this, &TfrmBodyHNCNT::btnCopyTextClick);
  connect(btnClose, &QToolButton::clicked, this, &TfrmBodyHNCNT::btnCloseClick);

  reBody = new TMyRichEdit(this);
  reBody->setObjectName(QStringLiteral("reBody"));
  StyleBookText(reBody, true);
  connect(reBody, &QPlainTextEdit::selectionChanged, this, &TfrmBodyHNCNT::reBodySelectionChange);

  stbar = NewPlainStatusBar(this);
  btnBookSwitch = NewFlatButton(stbar, QStringLiteral("btnBookSwitch"),
                                style()->standardIcon(QStyle::SP_FileDialogListView), QStringLiteral("ดูคัมภีร์ที่เปิดอยู่"));
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
