// TfrmBodyHNCNT: the reader of the chant books, which have neither pages nor items. It
// shows the text with the numbered reader's title bar, copy, print and close buttons,
// popup and open-books button, and nothing that tracks a position. The window is a child
// of the desktop, listed in its window list under DocumentKey, and frees itself when it
// closes.
#pragma once

#include <string>

#include "documentview.h"

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace lomarin {

class Desktop;
class TMyRichEdit;
class TStatusBar;

class TfrmBodyHNCNT : public DocumentView {
  Q_OBJECT

 public:
  TfrmBodyHNCNT(Desktop& desktop, QWidget* parent);

  std::string DocumentKey;

  void btnCloseClick();
  void btnCopyTextClick();
  void btnBookSwitchClick();
  void reBodySelectionChange();
  void PopupMenu1Popup();
  void N2Click();

  QWidget* Panel1 = nullptr;
  QLabel* lbBookName = nullptr;
  QWidget* pnFunc = nullptr;
  QToolButton* btnCopyText = nullptr;
  QToolButton* btnPrint = nullptr;
  QToolButton* btnClose = nullptr;
  TMyRichEdit* reBody = nullptr;
  TStatusBar* stbar = nullptr;
  QToolButton* btnBookSwitch = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* pimCopy = nullptr;
  QAction* pimSelPrint = nullptr;
  QAction* N2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void CreatePopupMenu();

  Desktop& m_desktop;
};

}  // namespace lomarin
