// The base of every document view the desktop lays on its page image and lists in its
// window list.
#pragma once

#include <QWidget>
#include <cstdint>

namespace lomarin {

class DocumentView : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // Window-list position of the view to bring back when this one closes; -1 = none.
  int32_t PartnerIndex = -1;
};

}  // namespace lomarin
