// The desktop program on a full-size library, offscreen: opening the largest volume to
// its first painted frame, one scroll notification with its store lookups, and the
// resident memory with five large volumes open. The data folder is found as the program
// finds it (LOMARIN_DATA names the full-size corpus).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "attaproc.h"
#include "datafolder.h"
#include "guibench.h"
#include "myrichedit.h"
#include "tfrmbodyhcnt.h"
#include "tfrmmain.h"
#include "tipiproc.h"

namespace lomarin {
namespace {

// Counts a text's bytes without keeping it.
class SizeOnly final : public TextTarget {
 public:
  void ReplaceText(std::string text) override { size = text.size(); }
  size_t size = 0;
};

struct Volume {
  int32_t code = 0;
  size_t bytes = 0;
};

std::string DataFolder() { return ResolveDataFolder(ProcessDataFolderInputs(std::nullopt)); }

// Every Tipitaka and Atthakatha volume of the library, largest first.
const std::vector<Volume>& VolumesBySize() {
  static const std::vector<Volume> volumes = [] {
    std::vector<Volume> all;
    SetTipitakaFolder(DataFolder() + "bible/");
    SetAtthakathaFolder(DataFolder() + "bible/");
    for (int v = 1; v <= 53; ++v) {
      SizeOnly text;
      if (LoadTipitakaText(v, text)) all.push_back({v - 1, text.size});
    }
    for (int v = 1; v <= 88; ++v) {
      SizeOnly text;
      if (LoadAtthakathaText(v, text)) all.push_back({0x10000 | (v - 1), text.size});
    }
    std::sort(all.begin(), all.end(), [](const Volume& a, const Volume& b) { return a.bytes > b.bytes; });
    return all;
  }();
  return volumes;
}

std::unique_ptr<TfrmMain> NewDesktop() { return NewBenchDesktop(DataFolder()); }

TfrmBodyHCNT* Open(TfrmMain& desktop, int32_t code) {
  desktop.RequestCode = code;
  desktop.RequestArg = -1;
  desktop.ProcessDocumentRequest();
  return qobject_cast<TfrmBodyHCNT*>(desktop.WindowList.At(desktop.CurrentIndex).view);
}

void BM_OpenLargestVolumeToFirstFrame(benchmark::State& state) {
  const Volume largest = VolumesBySize().at(0);
  auto desktop = NewDesktop();
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    TfrmBodyHCNT* view = Open(*desktop, largest.code);
    view->repaint();  // the first frame, painted now rather than at the next event
    const auto end = std::chrono::steady_clock::now();
    state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    CloseAllReaders(*desktop);
  }
  state.counters["bytes"] = static_cast<double>(largest.bytes);
  state.counters["code"] = largest.code;
}
BENCHMARK(BM_OpenLargestVolumeToFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

// Steps through the volume 37 rows (a screenful) at a time. The notification alone is
// timed in BM_ScrollNotification (page, item or header, and link lookups, and the status
// bar's captions); BM_ScrollAndNotify adds the scroll itself with the layout of the rows
// it brings into view.
void Scroll(benchmark::State& state, bool atthakatha, bool timeScroll) {
  const auto volume = std::find_if(VolumesBySize().begin(), VolumesBySize().end(),
                                   [&](const Volume& v) { return ((v.code >> 16) == 1) == atthakatha; });
  auto desktop = NewDesktop();
  TfrmBodyHCNT* view = Open(*desktop, volume->code);
  view->repaint();
  const int lines = view->reBody->LineCount();
  int row = 0;
  for (auto _ : state) {
    row = (row + 37) % lines;
    if (!timeScroll) state.PauseTiming();
    view->reBody->ScrollToRow(row);
    if (!timeScroll) state.ResumeTiming();
    view->reBodyVScroll();
  }
  state.counters["lines"] = lines;
  CloseAllReaders(*desktop);
}
void BM_ScrollNotification(benchmark::State& state) { Scroll(state, state.range(0) == 1, false); }
void BM_ScrollAndNotify(benchmark::State& state) { Scroll(state, state.range(0) == 1, true); }
// Argument 0: the largest Tipitaka volume; 1: the largest Atthakatha volume.
BENCHMARK(BM_ScrollNotification)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollAndNotify)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word == "VmRSS:") {
      double kilobytes = 0;
      status >> kilobytes;
      return kilobytes / 1024;
    }
  }
  return 0;
}

void BM_ResidentWithFiveLargestVolumes(benchmark::State& state) {
  auto desktop = NewDesktop();
  for (auto _ : state) {
    for (int i = 0; i < 5; ++i) {
      TfrmBodyHCNT* view = Open(*desktop, VolumesBySize().at(static_cast<size_t>(i)).code);
      view->repaint();
      view->reBody->ScrollToRow(view->reBody->LineCount() - 1);  // lay out its end as well
      view->repaint();
    }
    state.counters["rss_MB"] = ResidentMegabytes();
    state.PauseTiming();
    CloseAllReaders(*desktop);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ResidentWithFiveLargestVolumes)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace lomarin

int main(int argc, char** argv) { return lomarin::RunDesktopBenchmarks(argc, argv); }
