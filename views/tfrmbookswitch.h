// TfrmBookSwitch: the open-books switcher. It lists the title of every open document in
// window-list order (a line's index is its window-list position); the user brings one
// forward, or ticks two to show them together, one above the other, in halves of the
// reading area (the desktop's page image). Enter anywhere opens. At most two books are
// shown together: ticking a third disables "เปิด" and warns, and opening then does not
// proceed.
#pragma once

#include <QRect>
#include <vector>

#include "dialogform.h"

class QLabel;
class QListWidget;

namespace lomarin {

class Desktop;
class TRGNBtn;

class TfrmBookSwitch : public DialogForm {
  Q_OBJECT

 public:
  TfrmBookSwitch(Desktop& desktop, const QRect& pageImage, QWidget* owner);

  // One line per window-list key, its title; the line of CurrentIndex selected.
  void FillFromWindowList();

  void cklBookListClickCheck();
  void cklBookListDblClick();
  void btnCancelClick();

  QLabel* lbBookName = nullptr;
  QListWidget* cklBookList = nullptr;
  TRGNBtn* btnOpen = nullptr;
  TRGNBtn* btnCancel = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::vector<int> tickedLines() const;
  void warnAboutTooMany();

  Desktop& m_desktop;
  QRect m_pageImage;
};

}  // namespace lomarin
