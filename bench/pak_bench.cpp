// ExtractPakMember on a 2 MB member of Thai text against a bare lzo1x_decompress_safe of
// the same packed bytes already in memory (page cache warm).
//
//   build/bench/bench_pak --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <unistd.h>

#include "lzo.h"
#include "pakwriter.h"
#include "uunpak.h"

namespace {

// Thai-like text: syllables of code page 874 consonants, vowels and tone marks,
// words separated by spaces, lines ended by CR LF.
std::string ThaiText(size_t size) {
  std::mt19937 rng(874);
  const std::string consonants = "\xA1\xA2\xA4\xA7\xA8\xAA\xB4\xB5\xB8\xB9\xBA\xBB\xBE\xC1\xC2\xC3\xC5\xC7\xCA\xCB\xCD";
  const std::string vowels = "\xD0\xD1\xD2\xD4\xD5\xD6\xD8\xD9\xE0\xE1";
  const std::string tones = "\xE8\xE9\xEC";
  std::string text;
  std::vector<std::string> words;
  for (int w = 0; w < 3000; ++w) {
    std::string word;
    const int syllables = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < syllables; ++s) {
      word += consonants[rng() % consonants.size()];
      word += vowels[rng() % vowels.size()];
      if (rng() % 3 == 0) word += tones[rng() % tones.size()];
    }
    words.push_back(word);
  }
  std::geometric_distribution<int> zipfish(0.01);
  size_t lineLength = 0;
  while (text.size() < size) {
    text += words[static_cast<size_t>(zipfish(rng)) % words.size()];
    lineLength += 10;
    if (lineLength > 60) {
      text += "\r\n";
      lineLength = 0;
    } else {
      text += ' ';
    }
  }
  text.resize(size);
  return text;
}

struct Fixture {
  std::string text = ThaiText(2 * 1024 * 1024);
  std::string packed = lomarin::LzoCompress(text);
  std::string path = "/tmp/lomarin-bench-" + std::to_string(::getpid()) + ".pak";
  Fixture() { lomarin::WritePakArchive(path, {{"TDAT01.DAT", text}}); }
  ~Fixture() { std::remove(path.c_str()); }
};

Fixture& Data() {
  static Fixture f;
  return f;
}

void BM_ExtractPakMember(benchmark::State& state) {
  Fixture& f = Data();
  for (auto _ : state) {
    std::string out;
    benchmark::DoNotOptimize(lomarin::ExtractPakMember(f.path, "TDAT01.DAT", out));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.text.size()));
}

void BM_BareDecompress(benchmark::State& state) {
  Fixture& f = Data();
  std::string out(f.text.size(), '\0');
  for (auto _ : state) {
    benchmark::DoNotOptimize(lomarin::LzoDecompress(f.packed.data(), f.packed.size(), out.data(), out.size()));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.text.size()));
}

}  // namespace

BENCHMARK(BM_ExtractPakMember)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BareDecompress)->Unit(benchmark::kMicrosecond);
