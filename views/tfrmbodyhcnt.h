// TfrmBodyHCNT: the reader of the numbered books (Tipitaka and Atthakatha volumes). It
// shows the text in reBody and keeps the page, and for the Tipitaka the item, of the top
// line in its status bar in Thai digits, updated on every notification of the text view.
// Clicking a number opens a four-digit edit to jump to another item or page. The window
// is a child of the desktop, listed in its window list under DocumentKey, and frees
// itself when it closes. As the search-results reader it shows the results panel above
// its title; its search and comparison side is in tfrmbodyhcntsearch.cpp.
#pragma once

#include <QIcon>
#include <cstdint>
#include <string>

#include "documentview.h"

class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QToolButton;

namespace lomarin {

class Desktop;
class TMyRichEdit;
class TSearchPanel;
class TStatusBar;

class TfrmBodyHCNT : public DocumentView {
  Q_OBJECT

 public:
  TfrmBodyHCNT(Desktop& desktop, QWidget* parent);

  std::string DocumentKey;
  int32_t DocumentCode = 0;
  int32_t ContentsChoice = -1;

  // Hints, glyph and status panels for the kind of DocumentCode; PartnerIndex := -1.
  void ConfigureForKind();
  int Kind() const;
  // The code of the volume shown: DocumentCode, or in the results reader the search's
  // current volume in the collection it searched.
  int32_t BookCode() const;
  int Volume() const;
  // The results reader: its panel above the title panel, and the status bar and hints
  // of a search over the Tipitaka or the Atthakatha.
  void ShowSearchPanel();
  void ConfigureForSearchResults();
  TSearchPanel* pnSearchResult = nullptr;

  void reBodyVScroll();
  void reBodySelectionChange();
  void btnCloseClick();
  // The search dialog, pre-filled with the selection, the collection and the volume.
  void btnSearchClick();
  // The commentary comparison (also imnLink and F4).
  void btnT_ASwitchClick();
  // The contents dialog; the view moves to the chosen entry or stays where it was.
  void btnContentOpenClick();
  // The open-books switcher; afterwards the view at CurrentIndex comes to the front.
  void btnBookSwitchClick();
  void stNumClick();
  void stPageClick();
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
  QToolButton* btnSearch = nullptr;
  QToolButton* btnContentOpen = nullptr;
  QToolButton* btnT_ASwitch = nullptr;
  QLabel* stPage = nullptr;
  QLabel* stNum = nullptr;
  QLineEdit* edNum = nullptr;
  QLineEdit* edPage = nullptr;
  QIcon ImageList1[2];
  QMenu* PopupMenu1 = nullptr;
  QAction* imnLink = nullptr;
  QAction* N4 = nullptr;
  QAction* pimCopy = nullptr;
  QAction* pimSelPrint = nullptr;
  QAction* N2 = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void CreateTitleBar();
  void CreateStatusBar();
  void CreatePopupMenu();
  void stbarDrawPanel(QPainter& painter, int panel, const QRect& rect);
  // Enter in an edit, or the focus leaving it.
  void JumpFromEdit(QLineEdit* edit);
  void JumpToLine(QLabel* number, QLineEdit* edit, int shown, int line);

  Desktop& m_desktop;
  bool m_trackingFailed = false;
};

}  // namespace lomarin
