// The two user settings, "Show Preface" and "Show Intro", as strings in the per-user
// settings of organisation and application "Lomarin".
#pragma once

#include <QString>

namespace lomarin {

// The value of `name`, or the empty string when it does not exist.
QString ReadSetting(const QString& name);
// Writes the value; a settings store that cannot be written is not reported.
void WriteSetting(const QString& name, const QString& value);

}  // namespace lomarin
