#include "settings.h"

#include <QSettings>

namespace lomarin {

QString ReadSetting(const QString& name) { return QSettings("Lomarin", "Lomarin").value(name).toString(); }

void WriteSetting(const QString& name, const QString& value) { QSettings("Lomarin", "Lomarin").setValue(name, value); }

}  // namespace lomarin
