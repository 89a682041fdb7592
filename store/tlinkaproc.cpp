#include "tlinkaproc.h"

#include "bookfiles.h"
#include "booktables.h"

namespace lomarin {
namespace {

struct LinkUnit {
  std::string folder;
};

LinkUnit& Unit() {
  static LinkUnit unit;
  return unit;
}

}  // namespace

void SetLinkFolder(const std::string& folder) { Unit().folder = folder; }

uint32_t TipitakaToAtthakatha(int volume, int item) {
  return FlatTableSlot(Unit().folder + "TA.LNK", volume, item, kItemSlotsPerVolume);
}

uint32_t AtthakathaToTipitaka(int volume, int page) {
  return FlatTableSlot(Unit().folder + "AT.LNK", volume, page, kPageSlotsPerVolume);
}

}  // namespace lomarin
