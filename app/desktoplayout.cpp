#include "desktoplayout.h"

namespace lomarin {

QRect PageImageRect(const QSize& desktop) {
  const int width = desktop.width() - 10;
  const int height = desktop.height() - 80;
  return QRect((desktop.width() - width) / 2, (desktop.height() - height) / 2 + 20, width, height);
}

QRect ViewRect(const QRect& pageImage) {
  const int width = pageImage.width() - 80;
  const int height = pageImage.height() - 100;
  return QRect(pageImage.left() + (pageImage.width() - width) / 2, pageImage.top() + (pageImage.height() - height) / 2,
               width, height);
}

}  // namespace lomarin
