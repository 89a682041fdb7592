// The search dialog and the results reader on the full-size corpus, offscreen:
//   SearchToReader/0|1   pressing search to the results reader painted (0: a new reader,
//                        1: the open reader refilled), with EngineOnly, the search request
//                        alone, as its peer
//   ShowItem             showing the first item of a volume holding about 5,000 hits of
//                        the word: load the text, colour every hit, scroll, select, paint
//   StepNext             one step to the next hit, painted
//
//   LOMARIN_CORPUS=/work/corpus/lib build-ui9/bench/bench_searchui
// Hit tables and the history go to a scratch folder of links to the corpus's files.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

#include "cp874.h"
#include "indexreader.h"
#include "guibench.h"
#include "myrichedit.h"
#include "qtcp874.h"
#include "rgnbtn.h"
#include "searchpanel.h"
#include "searchrequest.h"
#include "tfrmbodyhcnt.h"
#include "tfrmmain.h"
#include "tfrmsearchbox.h"

namespace fs = std::filesystem;

namespace lomarin {
namespace {

// A data folder whose sub-folders hold links to the corpus files.
struct Corpus {
  Corpus() {
    const char* env = std::getenv("LOMARIN_CORPUS");
    const fs::path source = env ? env : "/work/corpus/lib";
    root = fs::temp_directory_path() / ("lomarin-searchui-" + std::to_string(::getpid()));
    for (const char* folder : {"bible", "link", "others"}) {
      fs::create_directories(root / folder);
      if (!fs::exists(source / folder)) continue;
      for (const auto& entry : fs::directory_iterator(source / folder)) {
        fs::create_symlink(fs::absolute(entry.path()), root / folder / entry.path().filename());
      }
    }
    dataFolder = root.string() + "/";
    FindBusyVolume();
  }
  ~Corpus() { fs::remove_all(root); }

  // The Tipitaka word and volume whose count of hits there is the nearest at or above 5,000.
  void FindBusyVolume() {
    const std::string bible = dataFolder + "bible/";
    const std::vector<std::string> words = ReadWordList(bible);
    const WordIndex index(bible, Collection::Tipitaka);
    int best = 0;
    for (int w = 0; w < static_cast<int>(words.size()); ++w) {
      const IndexEntry entry = index.Entry(w);
      if (entry.hitCount < 5000) continue;
      const std::string block = index.HitBlock(w, entry);
      std::map<int, int> perVolume;
      for (size_t r = 0; r + kHitRecordSize <= block.size(); r += kHitRecordSize) {
        ++perVolume[DecodeHitRecord(block.data() + r).volume];
      }
      for (const auto& [v, count] : perVolume) {
        if (count >= 5000 && (best == 0 || count < best)) {
          best = count;
          word = words[static_cast<size_t>(w)];
          volume = v;
        }
      }
    }
    hits = best;
  }

  fs::path root;
  std::string dataFolder;
  std::string word;  // code page 874
  int volume = 0;
  int hits = 0;
};

Corpus& TheCorpus() {
  static Corpus corpus;
  return corpus;
}

std::unique_ptr<TfrmMain> NewDesktop() { return NewBenchDesktop(TheCorpus().dataFolder); }

TfrmBodyHCNT* ResultsReader(TfrmMain& desktop) {
  if (desktop.CurrentIndex < 0) return nullptr;
  return qobject_cast<TfrmBodyHCNT*>(desktop.WindowList.At(desktop.CurrentIndex).view);
}

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Runs a search from the dialog as a click on its button does; the reader it shows is
// painted before the clock stops. A modal window (a message of a refused or fruitless
// search) would wait for a click: the run stops instead.
double SearchFromDialog(TfrmMain& desktop, int volumeChoice) {
  QTimer::singleShot(2000, [] {
    if (QApplication::activeModalWidget() != nullptr) {
      std::fprintf(stderr, "a modal window opened during the search\n");
      std::exit(1);
    }
  });
  auto* dialog = new TfrmSearchBox(desktop, &desktop);
  dialog->show();
  dialog->edWordSearch->setEditText(QStringFromCp874(TheCorpus().word));
  dialog->cbxBookNum->setCurrentIndex(volumeChoice);
  const auto start = std::chrono::steady_clock::now();
  dialog->btnSearchClick();
  ResultsReader(desktop)->repaint();
  const double seconds = Seconds(start);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return seconds;
}

void BM_SearchToReader(benchmark::State& state) {
  auto desktop = NewDesktop();
  const bool refill = state.range(0) == 1;
  if (refill) SearchFromDialog(*desktop, 0);
  for (auto _ : state) {
    state.SetIterationTime(SearchFromDialog(*desktop, 0));
    if (!refill) CloseAllReaders(*desktop);
  }
  state.counters["hits"] = std::stod(desktop->Search.FoundCounts.at(0));
  CloseAllReaders(*desktop);
}
BENCHMARK(BM_SearchToReader)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_EngineOnly(benchmark::State& state) {
  SearchState search;
  const SearchRequest request{0, TheCorpus().word, kAllVolumes, true};
  for (auto _ : state) RunSearchRequest(search, TheCorpus().dataFolder, request);
}
BENCHMARK(BM_EngineOnly)->Unit(benchmark::kMillisecond)->Iterations(10);

// A reader over the busy volume's hits, its first item not yet shown.
TSearchPanel* BusyVolumeReader(TfrmMain& desktop) {
  SearchFromDialog(desktop, TheCorpus().volume);
  return ResultsReader(desktop)->pnSearchResult;
}

void BM_ShowItem(benchmark::State& state) {
  auto desktop = NewDesktop();
  TSearchPanel* panel = BusyVolumeReader(*desktop);
  for (auto _ : state) {
    panel->ResultTextLoaded = false;
    panel->cbxWords->setCurrentIndex(0);
    const auto start = std::chrono::steady_clock::now();
    panel->cbxWordsChange(TSearchPanel::Sender::Items);
    ResultsReader(*desktop)->repaint();
    state.SetIterationTime(Seconds(start));
  }
  state.counters["hits_in_volume"] = TheCorpus().hits;
  state.counters["volume"] = TheCorpus().volume;
  CloseAllReaders(*desktop);
}
BENCHMARK(BM_ShowItem)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_StepNext(benchmark::State& state) {
  auto desktop = NewDesktop();
  TSearchPanel* panel = BusyVolumeReader(*desktop);
  panel->cbxWords->setCurrentIndex(0);
  panel->cbxWordsChange(TSearchPanel::Sender::Items);
  for (auto _ : state) {
    if (!panel->btnNext->isEnabled()) {
      state.PauseTiming();
      panel->cbxWords->setCurrentIndex(0);
      panel->cbxWordsChange(TSearchPanel::Sender::Items);
      state.ResumeTiming();
    }
    const auto start = std::chrono::steady_clock::now();
    panel->btnNextClick();
    ResultsReader(*desktop)->repaint();
    state.SetIterationTime(Seconds(start));
  }
  CloseAllReaders(*desktop);
}
BENCHMARK(BM_StepNext)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(200);

}  // namespace
}  // namespace lomarin

int main(int argc, char** argv) { return lomarin::RunDesktopBenchmarks(argc, argv); }
