// The lookups the store units share: decoding the TDB, PDB and PHD tables, the three page
// walks, and loading a text into a TextTarget. Every index outside a table answers 0 (an
// empty text for a header line); nothing is read outside a table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bookfiles.h"
#include "firstrange.h"
#include "textlines.h"

namespace lomarin {

// A PDB table: its records and, once cached, the index of the walk from record 1.
struct PageTable {
  std::vector<PageRange> records;
  std::optional<FirstRangeIndex> fromRecordOne;
};
PageTable MakePageTable(std::vector<PageRange> records, bool indexed);

// One volume's slots of TPNDB.PAK (cut at the end of the file) and, once cached, the
// index of the item walk.
struct ItemSlots {
  std::string bytes;
  std::optional<FirstRangeIndex> index;
};

// Decoders for the table cache (KeepTableBytes is in tablecache.h).
// PDB records: count = size / 8, a partial record is ignored.
std::vector<PageRange> DecodePages(std::string&& bytes);
std::vector<PageRange> DecodePageRecords(std::string&& bytes, bool kept);
PageTable DecodePageTable(std::string&& bytes, bool kept);
ItemSlots DecodeItemSlots(std::string&& bytes, bool kept);
std::vector<std::string> DecodeLines(std::string&& bytes, bool kept);

// TDB[entry], zero-extended; 0 outside the table.
int ContentsLineAt(const std::string& tdb, int entry);

// Page record index holding line. Tipitaka: record 0 when line <= its last line and that
// is not 0, else the first record from 1 on with first <= line <= last and last > 0, else
// the last record. Atthakatha: the same without record 0's rule, so 0 only for a table of
// one record. Visuddhimagga: the first record whose last line is >= line, else the last.
// A table without records answers 0.
int TipitakaPageWalk(const PageTable& pages, int line);
int AtthakathaPageWalk(const PageTable& pages, int line);
int VisuddhiPageWalk(const std::vector<PageRange>& pages, int line);

// The first item (1-based) whose slot holds line (first <= line <= last), or 0.
int ItemWalk(const ItemSlots& slots, int line);

// First line of page (1-based record number); 0 outside the table.
int PageFirstLineAt(const std::vector<PageRange>& pages, int page);

// Line index of a list; empty outside it.
std::string LineAt(const std::vector<std::string>& lines, int index);

// The 4-byte slot of (volume, number) in a flat table of slotsPerVolume slots per volume:
// volume >= 1 and 1 <= number <= slotsPerVolume, else 0; 0 when the slot is not wholly
// inside the file. The file is opened in every case, so a missing one always raises.
uint32_t FlatTableSlot(const std::string& path, int volume, int number, int slotsPerVolume);

// Loaders: the member (absent: an empty text) or the plain file replaces the target's
// lines. Every error is caught and answers false, leaving the target untouched.
bool LoadMemberText(const std::string& archivePath, const std::string& member, TextTarget& target) noexcept;
bool LoadFileText(const std::string& path, TextTarget& target) noexcept;

}  // namespace lomarin
