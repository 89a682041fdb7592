// The Thai fonts the windows name, and the TLWG fonts that stand in for them on Linux.
// One table, installed once at start-up with QFont::insertSubstitution.
#pragma once

#include <QFont>
#include <QString>

namespace lomarin {

void InstallThaiFontSubstitutes();

// A font of the family at a pixel height, as the windows' designs give their fonts
// (a height of -27 is 27 pixels).
QFont PixelFont(const QString& family, int pixels, bool bold = false);

}  // namespace lomarin
