// The list boxes of the dialogs: fixed-height rows of code page 874 lines, and the line
// the user has selected.
#pragma once

#include <string>
#include <vector>

class QListWidget;

namespace lomarin {

// Replaces the rows with `lines`, each `rowHeight` pixels high; no row is selected.
void FillRows(QListWidget* list, const std::vector<std::string>& lines, int rowHeight);

// The selected row, or -1.
int SelectedRow(const QListWidget* list);

}  // namespace lomarin
