#include "booktables.h"

#include "coding.h"
#include "fileio.h"
#include "tablecache.h"
#include "uunpak.h"

namespace lomarin {

std::vector<PageRange> DecodePages(std::string&& bytes) {
  std::vector<PageRange> pages(bytes.size() / 8);
  for (size_t i = 0; i < pages.size(); ++i) {
    pages[i] = {DecodeSigned32(bytes.data() + 8 * i), DecodeSigned32(bytes.data() + 8 * i + 4)};
  }
  return pages;
}

std::vector<std::string> DecodeLines(std::string&& bytes) { return SplitLines(bytes); }

int ContentsLineAt(const std::string& tdb, int entry) {
  if (entry < 0 || static_cast<size_t>(entry) >= tdb.size() / 2) return 0;
  return DecodeFixed16(tdb.data() + 2 * static_cast<size_t>(entry));
}

namespace {

// The walk over records 1 … count − 1 both numbered collections share.
int WalkFromRecordOne(const std::vector<PageRange>& pages, int line) {
  if (pages.empty()) return 0;
  const int count = static_cast<int>(pages.size());
  for (int i = 1; i < count; ++i) {
    const PageRange& p = pages[static_cast<size_t>(i)];
    if (p.first <= line && line <= p.last && p.last > 0) return i;
  }
  return count - 1;
}

}  // namespace

int TipitakaPageWalk(const std::vector<PageRange>& pages, int line) {
  if (!pages.empty() && line <= pages[0].last && pages[0].last != 0) return 0;
  return WalkFromRecordOne(pages, line);
}

int AtthakathaPageWalk(const std::vector<PageRange>& pages, int line) { return WalkFromRecordOne(pages, line); }

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
