// A desktop for the widget tests: shown at 1024 × 768 with its page image laid out and
// its start-up timer stopped, so only what a test does happens.
#pragma once

#include <QRect>
#include <memory>
#include <string>

#include "desktoplayout.h"
#include "tfrmmain.h"

namespace lomarin::testing {

inline std::unique_ptr<TfrmMain> NewTestDesktop(const std::string& dataFolder) {
  auto desktop = std::make_unique<TfrmMain>(dataFolder);
  desktop->Timer1->stop();
  desktop->resize(1024, 768);
  desktop->show();
  desktop->setGeometry(0, 0, 1024, 768);
  desktop->imgMainPage->setGeometry(PageImageRect(QSize(1024, 768)));
  return desktop;
}

}  // namespace lomarin::testing
