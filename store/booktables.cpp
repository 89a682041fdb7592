#include "booktables.h"

#include "coding.h"
#include "fileio.h"
#include "tablecache.h"
#include "uunpak.h"

namespace lomarin {

PageTable MakePageTable(std::vector<PageRange> records, bool indexed) {
  PageTable table{std::move(records), std::nullopt};
  if (indexed) {
    // The walk from record 1 takes a record only when its last line is above 0.
    std::vector<FirstRangeIndex::Range> ranges;
    for (size_t i = 1; i < table.records.size(); ++i) {
      const PageRange& p = table.records[i];
      ranges.push_back(p.last > 0 ? FirstRangeIndex::Range{p.first, p.last} : FirstRangeIndex::Range{});
    }
    table.fromRecordOne.emplace(ranges);
  }
  return table;
}

std::vector<PageRange> DecodePages(std::string&& bytes) {
  std::vector<PageRange> records(bytes.size() / 8);
  for (size_t i = 0; i < records.size(); ++i) {
    records[i] = {DecodeSigned32(bytes.data() + 8 * i), DecodeSigned32(bytes.data() + 8 * i + 4)};
  }
  return records;
}

std::vector<PageRange> DecodePageRecords(std::string&& bytes, bool) { return DecodePages(std::move(bytes)); }

PageTable DecodePageTable(std::string&& bytes, bool kept) { return MakePageTable(DecodePages(std::move(bytes)), kept); }

ItemSlots DecodeItemSlots(std::string&& bytes, bool kept) {
  ItemSlots slots{std::move(bytes), std::nullopt};
  if (kept) {
    std::vector<FirstRangeIndex::Range> ranges(slots.bytes.size() / 4);
    for (size_t i = 0; i < ranges.size(); ++i) {
      ranges[i] = {DecodeFixed16(slots.bytes.data() + 4 * i), DecodeFixed16(slots.bytes.data() + 4 * i + 2)};
    }
    slots.index.emplace(ranges);
  }
  return slots;
}

std::vector<std::string> DecodeLines(std::string&& bytes, bool) { return SplitLines(bytes); }

int ContentsLineAt(const std::string& tdb, int entry) {
  if (entry < 0 || static_cast<size_t>(entry) >= tdb.size() / 2) return 0;
  return DecodeFixed16(tdb.data() + 2 * static_cast<size_t>(entry));
}

namespace {

// The walk over records 1 … count − 1 both numbered collections share.
int WalkFromRecordOne(const PageTable& pages, int line) {
  const int count = static_cast<int>(pages.records.size());
  if (count == 0) return 0;
  if (pages.fromRecordOne) {
    const int found = pages.fromRecordOne->Find(line);
    return found < 0 ? count - 1 : found + 1;
  }
  for (int i = 1; i < count; ++i) {
    const PageRange& p = pages.records[static_cast<size_t>(i)];
    if (p.first <= line && line <= p.last && p.last > 0) return i;
  }
  return count - 1;
}

}  // namespace

int TipitakaPageWalk(const PageTable& pages, int line) {
  if (!pages.records.empty() && line <= pages.records[0].last && pages.records[0].last != 0) return 0;
  return WalkFromRecordOne(pages, line);
}

int AtthakathaPageWalk(const PageTable& pages, int line) { return WalkFromRecordOne(pages, line); }

int ItemWalk(const ItemSlots& slots, int line) {
  if (slots.index) return slots.index->Find(line) + 1;
  const size_t count = slots.bytes.size() / 4;
  for (size_t i = 0; i < count; ++i) {
    const char* slot = slots.bytes.data() + 4 * i;
    if (DecodeFixed16(slot) <= line && line <= DecodeFixed16(slot + 2)) return static_cast<int>(i) + 1;
  }
  return 0;
}

int VisuddhiPageWalk(const std::vector<PageRange>& pages, int line) {
  if (pages.empty()) return 0;
  for (size_t i = 0; i < pages.size(); ++i) {
    if (pages[i].last >= line) return static_cast<int>(i);
  }
  return static_cast<int>(pages.size()) - 1;
}

int PageFirstLineAt(const std::vector<PageRange>& pages, int page) {
  if (page < 1 || static_cast<size_t>(page) > pages.size()) return 0;
  return pages[static_cast<size_t>(page) - 1].first;
}

std::string LineAt(const std::vector<std::string>& lines, int index) {
  if (index < 0 || static_cast<size_t>(index) >= lines.size()) return {};
  return lines[static_cast<size_t>(index)];
}

uint32_t FlatTableSlot(const std::string& path, int volume, int number, int slotsPerVolume) {
  if (volume < 1 || number < 1 || number > slotsPerVolume) {
    ReadFlatRange(path, 0, 0);
    return 0;
  }
  const uint64_t slot = static_cast<uint64_t>(volume - 1) * static_cast<uint64_t>(slotsPerVolume) +
                        static_cast<uint64_t>(number - 1);
  const FlatRange range = ReadFlatRange(path, 4 * slot, 4);
  return range.bytes.size() == 4 ? DecodeFixed32(range.bytes.data()) : 0;
}

bool LoadMemberText(const std::string& archivePath, const std::string& member, TextTarget& target) noexcept {
  try {
    std::string bytes;
    ExtractPakMember(archivePath, member, bytes);
    target.ReplaceText(std::move(bytes));
    return true;
  } catch (...) {
    return false;
  }
}

bool LoadFileText(const std::string& path, TextTarget& target) noexcept {
  try {
    target.ReplaceText(ReadWholeFile(path));
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lomarin
