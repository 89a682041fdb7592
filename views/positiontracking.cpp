#include "positiontracking.h"

#include <algorithm>
#include <climits>

#include "attaproc.h"
#include "documentcode.h"
#include "tablecache.h"
#include "tipiproc.h"
#include "tlinkaproc.h"
#include "wisutproc.h"

namespace lomarin {
namespace {

bool HasLink(uint32_t slot) { return (slot & 0xFFFF) != 0; }

// The page walks answer the last record for a line that no page holds, so the walk for
// the largest line counts the records without reading past the table.
int PageCount(int kind, int volume) {
  const int last = kind == kKindAtthakatha ? AtthakathaPageOfLine(volume, INT_MAX) : TipitakaPageOfLine(volume, INT_MAX);
  return last + 1;
}

}  // namespace

TrackedPosition TrackPosition(const std::string& dataFolder, int kind, int volume, int top) {
  // Every notification runs this; its tables are checked for changes once, together.
  const TableLookupScope oneLookOnChanges;
  TrackedPosition shown;
  if (kind == kKindTipitaka) {
    SetTipitakaFolder(dataFolder + "bible/");
    const int page = TipitakaPageOfLine(volume, top);
    const int item = TipitakaItemOfLine(volume, top);
    shown.page = page + 1;
    shown.item = page == 0 ? 1 : item;
    SetLinkFolder(dataFolder + "link/");
    shown.compareVisible = item != 0 && HasLink(TipitakaToAtthakatha(volume, item));
  } else if (kind == kKindAtthakatha) {
    SetAtthakathaFolder(dataFolder + "bible/");
    const int page = AtthakathaPageOfLine(volume, top);
    shown.page = page + 1;
    shown.header = AtthakathaPageHeader(volume, top);
    SetLinkFolder(dataFolder + "link/");
    shown.compareVisible = page != 0 && HasLink(AtthakathaToTipitaka(volume, page + 1));
  } else if (kind == kKindVisuddhi) {
    const int part = volume - 1;
    SetVisuddhiFolder(dataFolder + "others/");
    shown.page = VisuddhiPageOfLine(part, top) + 1;
    shown.header = VisuddhiPageHeader(part, top);
  } else {
    // The Milindapanha has no page table: its pages are runs of 25 lines.
    shown.page = top / kLinesPerUntabledPage + 1;
  }
  return shown;
}

std::optional<int> ItemJumpLine(const std::string& dataFolder, int volume, int item) {
  if (item < 1 || item > kItemsPerVolume) return std::nullopt;
  SetTipitakaFolder(dataFolder + "bible/");
  const int first = static_cast<int>(TipitakaItemLines(volume, item) & 0xFFFF);
  if (first == 0) return std::nullopt;
  return first;
}

std::optional<int> PageJumpLine(const std::string& dataFolder, int kind, int volume, int page) {
  const bool atthakatha = kind == kKindAtthakatha;
  if (atthakatha) {
    SetAtthakathaFolder(dataFolder + "bible/");
  } else {
    SetTipitakaFolder(dataFolder + "bible/");
  }
  if (page < 1 || page > PageCount(kind, volume)) return std::nullopt;
  const int first = atthakatha ? AtthakathaPageFirstLine(volume, page) : TipitakaPageFirstLine(volume, page);
  if (page == 1) return std::max(first, 0);
  if (first < 0) return std::nullopt;
  return first;
}

}  // namespace lomarin
