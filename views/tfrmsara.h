// TfrmSara: the Tipitaka encyclopedia. A list of headwords beside the article of the
// selected one; the field above follows the typing with the list (FindHeadword) and Enter
// or a click in the list opens the article, whose first characters — as many as the
// headword has — show as a bold blue heading. There is at most one such window, listed in
// the desktop's window list under the fixed key "สารานุกรมพระไตรปิฎก"; it frees itself
// when it closes.
#pragma once

#include <string>
#include <vector>

#include "documentview.h"

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QSplitter;
class QToolButton;

namespace lomarin {

class Desktop;
class TMyRichEdit;
class TStatusBar;

class TfrmSara : public DocumentView {
  Q_OBJECT

 public:
  // Loads the headword list (FormCreate).
  TfrmSara(Desktop& desktop, QWidget* parent);

  // The list's lines, code page 874; list index = headword index.
  const std::vector<std::string>& Headwords() const { return m_headwords; }
  // Selects headword `index` in the list without opening it; -1 clears the selection.
  void SelectHeadword(int index);
  bool ListAtRight() const { return m_listAtRight; }

  void lsbWordClick();
  void edWordChange();
  void imnAlignClick();
  void btnSwapAlignClick();
  void btnCloseClick();
  void btnBookSwitchClick();
  void reBodySelectionChange();
  void PopupMenu2Popup();
  void pimCopyClick();
  void Copy1Click();

  QWidget* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* edWord = nullptr;
  QWidget* pnFunc = nullptr;
  QToolButton* btnCopy = nullptr;
  QToolButton* btnSwapAlign = nullptr;
  QToolButton* btnPrint = nullptr;
  QToolButton* btnClose = nullptr;
  QListWidget* lsbWord = nullptr;
  QSplitter* splSara = nullptr;
  TMyRichEdit* reBody = nullptr;
  TStatusBar* stbar = nullptr;
  QToolButton* btnBookSwitch = nullptr;
  QMenu* PopupMenu1 = nullptr;
  QAction* Copy1 = nullptr;
  QAction* imnAlign = nullptr;
  QMenu* PopupMenu2 = nullptr;
  QAction* pimCopy = nullptr;
  QAction* pimSelPrint = nullptr;
  QAction* N4 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void CreateTitleBar();
  void CreatePopupMenus();
  // Enter in the field: the selected headword is written there and opened.
  void edWordKeyPress();

  Desktop& m_desktop;
  std::vector<std::string> m_headwords;
  bool m_listAtRight = true;
  bool m_listSized = false;
};

}  // namespace lomarin
