// TfrmSearchBox: the search dialog. The user types a query (the search history is the
// query field's drop-down), picks the collection and a volume or all of them, and may ask
// for the phrases to lie in the same item or page. The dialog does not search itself: it
// writes the request into the desktop and issues it, shows the search's progress in place
// of its buttons, stays open with its buttons back after a refused or fruitless search
// (or an error), and after a search that found something adds the query to the history,
// writes the history and closes, which frees it.
#pragma once

#include "dialogform.h"
#include "searchhistory.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;

namespace lomarin {

class Desktop;
class TRGNBtn;

class TfrmSearchBox : public DialogForm {
  Q_OBJECT

 public:
  TfrmSearchBox(Desktop& desktop, QWidget* owner);

  void edWordSearchChange();
  void cbxBooksChange();
  void btnSearchClick();
  void btnCloseClick();

  QLabel* Label3 = nullptr;
  TRGNBtn* RGNBtn7 = nullptr;
  QLabel* Label1 = nullptr;
  QComboBox* edWordSearch = nullptr;
  QLabel* Label2 = nullptr;
  QComboBox* cbxBooks = nullptr;
  QComboBox* cbxBookNum = nullptr;
  QCheckBox* ckbTogether = nullptr;
  TRGNBtn* btnSearch = nullptr;
  TRGNBtn* btnClose = nullptr;
  QProgressBar* pgbar1 = nullptr;

  SearchHistory History;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  // Enter in the query field or either list: a click on btnSearch when it is enabled.
  bool edWordSearchKeyPress(int key);
  // After a refused or fruitless search, or an error: the buttons back, the query focused.
  void RestoreButtons();

  Desktop& m_desktop;
};

}  // namespace lomarin
