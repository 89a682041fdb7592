#include "guibench.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "tfrmbodyhcnt.h"
#include "tfrmmain.h"
#include "thaifonts.h"

namespace lomarin {

std::unique_ptr<TfrmMain> NewBenchDesktop(const std::string& dataFolder) {
  auto desktop = std::make_unique<TfrmMain>(dataFolder);
  desktop->Timer1->stop();
  desktop->setGeometry(0, 0, 1600, 900);
  desktop->show();
  return desktop;
}

void CloseAllReaders(TfrmMain& desktop) {
  while (!desktop.WindowList.Empty()) {
    qobject_cast<TfrmBodyHCNT*>(desktop.WindowList.At(0).view)->btnCloseClick();
  }
  desktop.Timer2->stop();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RunDesktopBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  InstallThaiFontSubstitutes();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace lomarin
