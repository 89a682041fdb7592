#include "qtcp874.h"

#include "cp874.h"

namespace lomarin {

QString QStringFromCp874(std::string_view bytes) {
  const std::u16string units = Cp874ToUtf16(bytes);
  return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

std::string Cp874FromQString(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (const QChar unit : text) {
    unsigned char byte = 0;
    bytes.push_back(UnicodeToCp874(unit.unicode(), byte) ? static_cast<char>(byte) : '?');
  }
  return bytes;
}

}  // namespace lomarin
