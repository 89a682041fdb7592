// Where the desktop puts its page image and the views laid on it. Halves round toward
// zero. On a 1024 × 768 screen the page image is 1014 × 688 at (5, 60) and a view on it
// 934 × 588 at (45, 110).
#pragma once

#include <QRect>
#include <QSize>

namespace lomarin {

// The page image of a desktop of the given size.
QRect PageImageRect(const QSize& desktop);

// A view placed on the page image: 80 narrower and 100 lower than it, centred.
QRect ViewRect(const QRect& pageImage);

}  // namespace lomarin
