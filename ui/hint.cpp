#include "hint.h"

#include <QWidget>

namespace lomarin {

void SetHint(QWidget* widget, const QString& hint) {
  widget->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
  widget->setStatusTip(hint);
}

QString LongHint(const QString& hint) {
  const qsizetype bar = hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? hint : hint.mid(bar + 1);
}

}  // namespace lomarin
