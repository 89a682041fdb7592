#include "milinproc.h"

#include "booktables.h"
#include "tablecache.h"

namespace lomarin {
namespace {

struct MilindaUnit {
  std::string folder;
};

MilindaUnit& Unit() {
  static MilindaUnit unit;
  return unit;
}

}  // namespace

void SetMilindaFolder(const std::string& folder) { Unit().folder = folder; }

bool LoadMilindaText(TextTarget& view) { return LoadMemberText(Unit().folder + "MILIN.PAK", "MILIN.DAT", view); }

bool LoadMilindaContents(TextTarget& lines) { return LoadFileText(Unit().folder + "MILIN.TOC", lines); }

int MilindaContentsLine(int entryIndex) {
  const auto tdb = CachedFileTable<std::string>(Unit().folder + "MILIN.TDB", KeepTableBytes);
  return ContentsLineAt(*tdb, entryIndex == -1 ? 0 : entryIndex);
}

}  // namespace lomarin
