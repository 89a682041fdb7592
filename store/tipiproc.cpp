#include "tipiproc.h"

#include "bookfiles.h"
#include "booktables.h"
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

std::shared_ptr<const PageTable> Pages(int volume) {
  return CachedMemberTable<PageTable>(Archive("TPPDB.PAK"), Member(volume, ".PDB"), DecodePageTable);
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

int TipitakaPageFirstLine(int volume, int page) { return PageFirstLineAt(Pages(volume)->records, page); }

int TipitakaItemOfLine(int volume, int line) {
  const std::string path = Archive("TPNDB.PAK");
  if (volume < 1) {
    ReadFlatRange(path, 0, 0);  // a missing table raises all the same
    return 0;
  }
  const uint64_t slotBytes = 4ULL * kItemSlotsPerVolume;
  const auto slots = CachedTable<ItemSlots>({path, std::nullopt, static_cast<uint64_t>(volume - 1) * slotBytes, slotBytes},
                                            DecodeItemSlots);
  return ItemWalk(*slots, line);
}

uint32_t TipitakaItemLines(int volume, int item) {
  return FlatTableSlot(Archive("TPNDB.PAK"), volume, item, kItemSlotsPerVolume);
}

}  // namespace lomarin
