// Where book text meets Qt: code page 874 bytes to QString and back, through the one
// codec of the store (every byte is exactly one UTF-16 unit).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace lomarin {

QString QStringFromCp874(std::string_view bytes);

// Units that code page 874 cannot hold become "?".
std::string Cp874FromQString(const QString& text);

}  // namespace lomarin
