// TfrmContent: the contents dialog of a numbered-book reader. The reader writes its
// heading and fills its list; the dialog hands the picked entry (−1: none) to the reader's
// ContentsChoice and closes, which frees it.
#pragma once

#include <cstdint>

#include "dialogform.h"

class QLabel;
class QListWidget;

namespace lomarin {

class TRGNBtn;

class TfrmContent : public DialogForm {
  Q_OBJECT

 public:
  // `choice` is the opening reader's ContentsChoice; it outlives the dialog.
  TfrmContent(QWidget* owner, int32_t& choice);

  void ListBox1Click();
  void btnOpenClick();
  void RGNBtn2Click();

  QLabel* Label1 = nullptr;
  QListWidget* ListBox1 = nullptr;
  TRGNBtn* btnOpen = nullptr;
  TRGNBtn* RGNBtn2 = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int32_t& m_choice;
};

}  // namespace lomarin
