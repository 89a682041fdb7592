// The lookups one scroll of a reader makes, on a generated full-size volume (1.5 MB of
// text, 40,000 lines, 1,000 pages of 40 lines, 2,600 items, page headers and full-size
// link tables) written with the store's writers. Tipitaka: page of line, item of line,
// link of that item. Atthakatha: page of line, page header, link of that page. Arg 1:
// tables cached (the readers' case; like the reader's tracking, one scroll's lookups share
// one look at the change queue); arg 0: every table read anew.
//
//   build/bench/bench_store --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

#include "attaproc.h"
#include "bookwriters.h"
#include "tablecache.h"
#include "tipiproc.h"
#include "tlinkaproc.h"

namespace {

using namespace lomarin;

constexpr int kLines = 40000;
constexpr int kPages = 1000;
constexpr int kTipitakaVolume = kTipitakaVolumeCount;      // the last volume: the farthest slots
constexpr int kAtthakathaVolume = kAtthakathaVolumeCount;

BookFiles GeneratedVolume() {
  BookFiles volume;
  const std::string words[] = {"\xB8\xC3\xC3\xC1", "\xBE\xC3\xD0", "\xC0\xD4\xA1\xC9\xD8", "\xCA\xA7\xB6\xEC"};
  for (int line = 0; line < kLines; ++line) {
    std::string text;
    for (int w = 0; text.size() < 36; ++w) text += words[(line + w) % 4] + ' ';
    volume.text += text + "\r\n";
  }
  for (int page = 0; page < kPages; ++page) {
    const int lines = kLines / kPages;
    volume.pages.push_back({page * lines, page * lines + lines - 1});
    volume.pageHeaders += "\xCB\xB9\xE9\xD2 " + std::to_string(page + 1) + "\r\n";
  }
  return volume;
}

struct Library {
  std::string folder = (std::filesystem::temp_directory_path() /
                        ("lomarin-store-bench-" + std::to_string(::getpid()))).string() + "/";
  Library() {
    const BookFiles volume = GeneratedVolume();
    std::vector<ItemRange> items(kItemSlotsPerVolume);
    std::vector<LinkTarget> toAtthakatha(kItemSlotsPerVolume);
    for (int n = 0; n < kItemSlotsPerVolume; ++n) {
      const int first = n * kLines / kItemSlotsPerVolume;
      const int next = (n + 1) * kLines / kItemSlotsPerVolume;
      items[n] = {static_cast<uint16_t>(first), static_cast<uint16_t>(next - 1)};
      toAtthakatha[n] = {kAtthakathaVolume, static_cast<uint16_t>(n * kPages / kItemSlotsPerVolume + 1)};
    }
    std::vector<LinkTarget> toTipitaka(kPages);
    for (int p = 0; p < kPages; ++p) toTipitaka[p] = {kTipitakaVolume, static_cast<uint16_t>(p * kItemSlotsPerVolume / kPages + 1)};
    WriteTipitakaVolumes(folder + "bible/", {{kTipitakaVolume, volume}});
    WriteAtthakathaVolumes(folder + "bible/", {{kAtthakathaVolume, volume}});
    WriteTipitakaItems(folder + "bible/", {{kTipitakaVolume, items}});
    WriteLinkTables(folder + "link/", {{kTipitakaVolume, toAtthakatha}}, {{kAtthakathaVolume, toTipitaka}});
    SetTipitakaFolder(folder + "bible/");
    SetAtthakathaFolder(folder + "bible/");
    SetLinkFolder(folder + "link/");
  }
  ~Library() { std::filesystem::remove_all(folder); }
};

Library& TheLibrary() {
  static Library library;
  return library;
}

// Scroll positions spread over the whole volume.
int NextLine(int line) { return (line + 7919) % kLines; }

void BM_TipitakaScroll(benchmark::State& state) {
  TheLibrary();
  SetTableCacheEnabled(state.range(0) != 0);
  int line = 0;
  for (auto _ : state) {
    const TableLookupScope oneScroll;
    benchmark::DoNotOptimize(TipitakaPageOfLine(kTipitakaVolume, line));
    const int item = TipitakaItemOfLine(kTipitakaVolume, line);
    benchmark::DoNotOptimize(TipitakaToAtthakatha(kTipitakaVolume, item));
    line = NextLine(line);
  }
  SetTableCacheEnabled(true);
}

void BM_AtthakathaScroll(benchmark::State& state) {
  TheLibrary();
  SetTableCacheEnabled(state.range(0) != 0);
  int line = 0;
  for (auto _ : state) {
    const TableLookupScope oneScroll;
    const int page = AtthakathaPageOfLine(kAtthakathaVolume, line);
    benchmark::DoNotOptimize(AtthakathaPageHeader(kAtthakathaVolume, line));
    benchmark::DoNotOptimize(AtthakathaToTipitaka(kAtthakathaVolume, page + 1));
    line = NextLine(line);
  }
  SetTableCacheEnabled(true);
}

}  // namespace

BENCHMARK(BM_TipitakaScroll)->ArgName("cached")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AtthakathaScroll)->ArgName("cached")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);
