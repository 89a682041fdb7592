// Deterministic synthetic library sources at the real canon's size, for the benchmarks:
// 53 Tipitaka volume files of 1–2 MB (about 80 MB) and 88 Atthakatha volumes (about
// 100 MB), 30–40 lines a page, up to 2,600 items a volume, contents headings every few
// dozen items or pages, links both ways, and the title lists that lomarin-mkdata needs.
// Text is made of words from a Thai word list drawn with a Zipf-like frequency, joined
// into phrases and separated by spaces. The same seed always gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lomarin::mkcorpus {

constexpr const char* kHunspellThaiWords = "/usr/share/hunspell/th_TH.dic";

struct CorpusOptions {
  uint64_t seed = 1;
  double scale = 1.0;  // volume sizes are multiplied by it (small corpora for tests)
};

// The words of a hunspell dictionary in code page 874: the count line and "/flags" are
// dropped, as are words code page 874 cannot hold. Raises FileError when it is missing.
std::vector<std::string> ReadWordList(const std::string& path);

// Writes the sources into folder (created when needed), laid out as lomarin-mkdata reads
// them, in code page 874.
void WriteCorpus(const std::vector<std::string>& words, const CorpusOptions& options, const std::string& folder);

}  // namespace lomarin::mkcorpus
