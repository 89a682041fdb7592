// Readers of the search index files (layouts in indexformat.h). Every length and offset
// read from a file is checked against the file before use; damaged data raises FileError
// naming the file and the entry, a missing file FileError::CannotOpen(path).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bytesource.h"
#include "indexformat.h"

namespace lomarin {

// Size and modification time of a file, to tell when a file kept in memory changed.
// Raises FileError::CannotOpen(path) when there is no such file.
std::string FileStamp(const std::string& path);

// The lines of "DIC.SDB" in `folder`.
std::vector<std::string> ReadWordList(const std::string& folder);

// One collection's ".IDX" file and its hit-block file, open while the object lives.
class WordIndex {
 public:
  WordIndex(const std::string& folder, Collection c);

  // Entry of word number `word`; raises FileError when the index holds no such entry or
  // the entry is impossible (negative count, block outside the hit-block file).
  IndexEntry Entry(int word) const;
  // The entry's hit records, decompressed: hitCount × 6 bytes (empty for a count of 0,
  // without reading the hit-block file).
  std::string HitBlock(int word, const IndexEntry& entry) const;

 private:
  FileSource m_index;
  FileSource m_blocks;
};

// "TP.SDM" or "AT.SDM": the count of every byte value.
std::array<int32_t, 256> ReadByteFrequencies(const std::string& folder, Collection c);

// One volume's position table: which item (page) holds a byte position.
class PositionTable {
 public:
  PositionTable() = default;
  explicit PositionTable(std::vector<PositionRecord> records);
  // Decodes size / 10 records; trailing bytes are ignored.
  static PositionTable Decode(std::string_view bytes);

  // The record holding `position` by binary search over records sorted by start; none
  // when no record holds it (the search always ends, whatever the table holds).
  std::optional<PositionRecord> Find(int32_t position) const;
  // The item (page) number holding `position`; 0 when no record holds it.
  int NumberOf(int32_t position) const;

  size_t Size() const { return m_records.size(); }
  const std::vector<PositionRecord>& Records() const { return m_records; }
  // Whether every record starts after the end of the one before it and ends no earlier
  // than it starts: then at most one record holds a position.
  bool IsOrdered() const { return m_ordered; }

 private:
  std::vector<PositionRecord> m_records;
  bool m_ordered = true;
};

// The position table of `volume` from "TPSNDB.PAK" / "ATSPDB.PAK"; an absent member gives
// an empty table.
PositionTable LoadPositionTable(const std::string& folder, Collection c, int volume);

}  // namespace lomarin
