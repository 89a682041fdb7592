#include "thaifonts.h"

namespace lomarin {
namespace {

struct Substitute {
  const char* family;
  const char* tlwg;
};

// Kinnari is TLWG's own stand-in for the Angsana faces; the others are the nearest
// TLWG faces in style (serif, plain and italic display).
constexpr Substitute kSubstitutes[] = {
    {"AngsanaUPC", "Kinnari"},
    {"EucrosiaUPC", "Norasi"},
    {"FreesiaUPC", "Garuda"},
    {"IrisUPC", "Loma"},
};

}  // namespace

void InstallThaiFontSubstitutes() {
  for (const Substitute& s : kSubstitutes) QFont::insertSubstitution(s.family, s.tlwg);
}

QFont PixelFont(const QString& family, int pixels, bool bold) {
  QFont font(family);
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

}  // namespace lomarin
