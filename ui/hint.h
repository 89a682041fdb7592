// Hints: a short part and a long part separated by "|". The short part is the tooltip;
// the whole hint is the widget's status tip, whose long part the desktop shows in its
// status line.
#pragma once

#include <QString>

class QWidget;

namespace lomarin {

void SetHint(QWidget* widget, const QString& hint);

// The text after the first "|", or the whole hint without one.
QString LongHint(const QString& hint);

}  // namespace lomarin
