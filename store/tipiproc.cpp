#include "tipiproc.h"

#include "bookfiles.h"
#include "booktables.h"
#include "coding.h"
#include "tablecache.h"

namespace lomarin {
namespace {

struct TipitakaUnit {
  std::string folder;
};

TipitakaUnit& Unit() {
  static TipitakaUnit unit;
  return unit;
}

std::string Archive(const char* name) { return Unit().folder + name; }

std::string Member(int volume, const char* extension) { return VolumeMemberName("TDAT", volume, extension); }

std::shared_ptr<const std::vector<PageRange>> Pages(int volume) {
  return CachedMemberTable<std::vector<PageRange>>(Archive("TPPDB.PAK"), Member(volume, ".PDB"), DecodePages);
}

// The volume's item slots, cut at the end of the file.
FlatRange ItemSlots(int volume) {
  const std::string path = Archive("TPNDB.PAK");
  if (volume < 1) return ReadFlatRange(path, 0, 0);
  const uint64_t slotBytes = 4ULL * kItemSlotsPerVolume;
  return ReadFlatRange(path, static_cast<uint64_t>(volume - 1) * slotBytes, slotBytes);
}

}  // namespace

void SetTipitakaFolder(const std::string& folder) { Unit().folder = folder; }

bool LoadTipitakaText(int volume, TextTarget& view) {
  return LoadMemberText(Archive("TPDAT.PAK"), Member(volume, ".DAT"), view);
}

bool LoadTipitakaContents(int volume, TextTarget& lines) {
  return LoadMemberText(Archive("TPTOC.PAK"), Member(volume, ".TOC"), lines);
}

int TipitakaContentsLine(int volume, int entryIndex) {
  const auto tdb = CachedMemberTable<std::string>(Archive("TPTDB.PAK"), Member(volume, ".TDB"), KeepTableBytes);
  return ContentsLineAt(*tdb, entryIndex);
}

int TipitakaPageOfLine(int volume, int line) { return TipitakaPageWalk(*Pages(volume), line); }

int TipitakaPageFirstLine(int volume, int page) { return PageFirstLineAt(*Pages(volume), page); }

int TipitakaItemOfLine(int volume, int line) {
  const FlatRange slots = ItemSlots(volume);
  const size_t count = slots.bytes.size() / 4;
  for (size_t i = 0; i < count; ++i) {
    const char* slot = slots.bytes.data() + 4 * i;
    if (DecodeFixed16(slot) <= line && line <= DecodeFixed16(slot + 2)) return static_cast<int>(i) + 1;
  }
  return 0;
}

uint32_t TipitakaItemLines(int volume, int item) {
  return FlatTableSlot(Archive("TPNDB.PAK"), volume, item, kItemSlotsPerVolume);
}

}  // namespace lomarin
