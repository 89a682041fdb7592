#include "listrows.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "qtcp874.h"

namespace lomarin {

void FillRows(QListWidget* list, const std::vector<std::string>& lines, int rowHeight) {
  const QSignalBlocker quiet(list);
  list->clear();
  for (const std::string& line : lines) {
    auto* row = new QListWidgetItem(QStringFromCp874(line), list);
    row->setSizeHint(QSize(0, rowHeight));
  }
  list->setCurrentRow(-1);
}

int SelectedRow(const QListWidget* list) {
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace lomarin
