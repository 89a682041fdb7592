// The search engine on the full-size corpus (lomarin-mkcorpus + lomarin-mkdata), each
// figure next to its peer from the same run:
//   DictionaryWord      a word with about 100,000 hits, index path, table written
//   DecompressAll/1     LZO1X decompression of all 53 Tipitaka volumes, one core (peer)
//   FullScanCold        a phrase only the full scan finds, texts not in memory
//   FullScanWarm        the same with the texts in the cache
//   Adjacent, SameItem  two common words, texts in the cache
//   TogetherRatios      the two against the full scan, round by round (median ratios)
//   GrepFiles, RgFiles  grep -F -c / rg -c over the same texts as plain files (peers)
// Peak resident memory is reported as the counter max_rss_mb.
//
//   LOMARIN_CORPUS=/work/corpus/lib build-search/bench/bench_search
//       --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
// Hit tables go to a scratch folder of links to the corpus's "bible/" files.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cp874.h"
#include "searchrequest.h"
#include "uunpak.h"

namespace fs = std::filesystem;
using namespace lomarin;

namespace {

std::string Cp874(std::string_view utf8) {
  std::string bytes;
  Utf8ToCp874(utf8, bytes);
  return bytes;
}

// A data folder whose "bible/" links to the corpus files, plus the texts as plain files.
struct Corpus {
  Corpus() {
    const char* env = std::getenv("LOMARIN_CORPUS");
    const fs::path source = fs::path(env ? env : "/work/corpus/lib") / "bible";
    root = fs::temp_directory_path() / ("lomarin-bench-" + std::to_string(::getpid()));
    fs::create_directories(root / "bible");
    fs::create_directories(root / "plain");
    for (const auto& entry : fs::directory_iterator(source)) {
      fs::create_symlink(fs::absolute(entry.path()), root / "bible" / entry.path().filename());
    }
    dataFolder = root.string() + "/";
    for (int v = 1; v <= kTipitakaVolumes; ++v) {
      std::string text;
      ExtractPakMember(dataFolder + "bible/TPDAT.PAK", TextMemberName(Collection::Tipitaka, v), text);
      std::ofstream(root / "plain" / TextMemberName(Collection::Tipitaka, v), std::ios::binary) << text;
    }
  }
  ~Corpus() { fs::remove_all(root); }
  fs::path root;
  std::string dataFolder;
};

Corpus& TheCorpus() {
  static Corpus corpus;
  return corpus;
}

void ReportPeakMemory(benchmark::State& state) {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["max_rss_mb"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void RunQuery(benchmark::State& state, const std::string& utf8, int arg, size_t cacheBudget) {
  SearchState search({"", cacheBudget, nullptr});
  const SearchRequest request{arg, Cp874(utf8), kAllVolumes, false};
  size_t rows = 0;
  // A warm figure is for texts already in memory: the search that fills the cache is
  // not one of the timed runs.
  if (cacheBudget > 0) RunSearchRequest(search, TheCorpus().dataFolder, request);
  for (auto _ : state) {
    const SearchRequestResult result = RunSearchRequest(search, TheCorpus().dataFolder, request);
    rows = search.FoundWords.size();
    if (result.outcome != SearchOutcome::Found) state.SkipWithError("nothing found");
  }
  state.counters["rows"] = static_cast<double>(rows);
  state.counters["hits"] = search.FoundCounts.empty() ? 0 : std::stod(search.FoundCounts[0]);
  ReportPeakMemory(state);
}

const char* kWordOf100kHits = "ผ้า";
const char* kScanOnlyPhrase = "ผ้าอยู่";  // two words run together: no dictionary word
const char* kTwoCommonWords = "เบญจโลหกะ คิวบิต";

void DictionaryWord(benchmark::State& state) { RunQuery(state, kWordOf100kHits, 0, 0); }
void FullScanCold(benchmark::State& state) { RunQuery(state, kScanOnlyPhrase, 0, 0); }
void FullScanWarm(benchmark::State& state) { RunQuery(state, kScanOnlyPhrase, 0, VolumeTextCache::kDefaultBudget); }
void Adjacent(benchmark::State& state) { RunQuery(state, kTwoCommonWords, 0, VolumeTextCache::kDefaultBudget); }
void SameItem(benchmark::State& state) { RunQuery(state, kTwoCommonWords, 16, VolumeTextCache::kDefaultBudget); }

// The adjacency and same-item searches against the cached full scan, the three run one
// after another in every round so that a machine whose speed drifts between seconds
// slows all three alike; the counters are the medians of the rounds' ratios.
void TogetherRatios(benchmark::State& state) {
  SearchState search({"", VolumeTextCache::kDefaultBudget, nullptr});
  const SearchRequest requests[] = {{0, Cp874(kScanOnlyPhrase), kAllVolumes, false},
                                    {0, Cp874(kTwoCommonWords), kAllVolumes, false},
                                    {16, Cp874(kTwoCommonWords), kAllVolumes, false}};
  for (const SearchRequest& request : requests) RunSearchRequest(search, TheCorpus().dataFolder, request);
  std::vector<double> adjacent, sameItem;
  for (auto _ : state) {
    double seconds[3];
    for (int i = 0; i < 3; ++i) {
      const auto start = std::chrono::steady_clock::now();
      RunSearchRequest(search, TheCorpus().dataFolder, requests[i]);
      seconds[i] = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    adjacent.push_back(seconds[1] / seconds[0]);
    sameItem.push_back(seconds[2] / seconds[0]);
  }
  const auto median = [](std::vector<double>& values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
  };
  state.counters["adjacent_x"] = median(adjacent);
  state.counters["same_item_x"] = median(sameItem);
  ReportPeakMemory(state);
}

void DecompressAll(benchmark::State& state) {
  std::string text;
  for (auto _ : state) {
    for (int v = 1; v <= kTipitakaVolumes; ++v) {
      ExtractPakMember(TheCorpus().dataFolder + "bible/TPDAT.PAK", TextMemberName(Collection::Tipitaka, v), text);
    }
  }
}

void Shell(benchmark::State& state, const std::string& tool, const std::string& pattern) {
  const std::string command = tool + " '" + pattern + "' " + (TheCorpus().root / "plain").string() + "/* > /dev/null";
  const std::string program = tool.substr(tool.rfind('=') == std::string::npos ? 0 : tool.find(' ') + 1);
  if (std::system(("command -v " + program.substr(0, program.find(' ')) + " > /dev/null").c_str()) != 0) {
    state.SkipWithError("tool not installed");
    return;
  }
  for (auto _ : state) std::system(command.c_str());
}

// ripgrep takes bytes that are not UTF-8 only as escapes in its byte mode.
std::string RgBytePattern(const std::string& bytes) {
  std::string pattern = "(?-u)";
  for (const char c : bytes) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
    pattern += escaped;
  }
  return pattern;
}

void GrepFiles(benchmark::State& state) { Shell(state, "LC_ALL=C grep -F -c", Cp874(kScanOnlyPhrase)); }
void RgFiles(benchmark::State& state) { Shell(state, "rg -c -j2 --no-config", RgBytePattern(Cp874(kScanOnlyPhrase))); }

}  // namespace

BENCHMARK(DictionaryWord)->Unit(benchmark::kMillisecond);
BENCHMARK(DecompressAll)->Unit(benchmark::kMillisecond);
BENCHMARK(FullScanCold)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FullScanWarm)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Adjacent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SameItem)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TogetherRatios)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);
BENCHMARK(GrepFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(RgFiles)->Unit(benchmark::kMillisecond)->UseRealTime();
