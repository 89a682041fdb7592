// Writers of the search index files (layouts in indexformat.h) for the library compiler
// and the test fixtures. Each writer replaces its files atomically in `folder` (a folder
// path ending in "/") and raises FileError when a file cannot be written.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "indexformat.h"

namespace lomarin {

// "DIC.SDB": every word (code page 874, no CR LF inside) followed by CR LF.
std::string EncodeWordList(const std::vector<std::string>& words);
void WriteWordList(const std::string& folder, const std::vector<std::string>& words);

struct WordIndexFiles {
  std::string index;      // the ".IDX" file
  std::string hitBlocks;  // the hit-block file
};

// hitsPerWord[w] are the hits of word w of the word list, in any order; they are stored
// sorted by volume, then position. A word without hits gets the entry {0, offset, 0}.
// Raises std::length_error when the hit-block file would outgrow its 32-bit offsets.
WordIndexFiles EncodeWordIndex(const std::vector<std::vector<HitRecord>>& hitsPerWord);
// "TPSDB.IDX" and "TPSDB.PAK" (or the Atthakatha's "ATSDB.*").
void WriteWordIndex(const std::string& folder, Collection c, const std::vector<std::vector<HitRecord>>& hitsPerWord);

// Counts every byte value of the texts given to Add; counts stop at the largest int32.
class ByteFrequencyCounter {
 public:
  void Add(std::string_view text);
  std::array<int32_t, 256> Counts() const;

 private:
  std::array<uint64_t, 256> m_counts{};
};

std::string EncodeByteFrequencies(const std::array<int32_t, 256>& counts);
// "TP.SDM" or "AT.SDM".
void WriteByteFrequencies(const std::string& folder, Collection c, const std::array<int32_t, 256>& counts);

std::string EncodePositionTable(const std::vector<PositionRecord>& records);
// "TPSNDB.PAK" or "ATSPDB.PAK" with one member per volume: tables[v - 1] is the table
// of volume v, records sorted by start.
void WritePositionTables(const std::string& folder, Collection c, const std::vector<std::vector<PositionRecord>>& tables);

}  // namespace lomarin
