#include "attaproc.h"

#include "bookfiles.h"
#include "booktables.h"
#include "tablecache.h"

namespace lomarin {
namespace {

struct AtthakathaUnit {
  std::string folder;
};

AtthakathaUnit& Unit() {
  static AtthakathaUnit unit;
  return unit;
}

std::string Archive(const char* name) { return Unit().folder + name; }

std::string Member(int volume, const char* extension) { return VolumeMemberName("ADAT", volume, extension); }

std::shared_ptr<const PageTable> Pages(int volume) {
  return CachedMemberTable<PageTable>(Archive("ATPDB.PAK"), Member(volume, ".PDB"), DecodePageTable);
}

}  // namespace

void SetAtthakathaFolder(const std::string& folder) { Unit().folder = folder; }

bool LoadAtthakathaText(int volume, TextTarget& view) {
  return LoadMemberText(Archive("ATDAT.PAK"), Member(volume, ".DAT"), view);
}

bool LoadAtthakathaContents(int volume, TextTarget& lines) {
  return LoadMemberText(Archive("ATTOC.PAK"), Member(volume, ".TOC"), lines);
}

int AtthakathaContentsLine(int volume, int entryIndex) {
  const auto tdb = CachedMemberTable<std::string>(Archive("ATTDB.PAK"), Member(volume, ".TDB"), KeepTableBytes);
  return ContentsLineAt(*tdb, entryIndex);
}

int AtthakathaPageOfLine(int volume, int line) { return AtthakathaPageWalk(*Pages(volume), line); }

int AtthakathaPageFirstLine(int volume, int page) { return PageFirstLineAt(Pages(volume)->records, page); }

std::string AtthakathaPageHeader(int volume, int line) {
  const TableLookupScope oneLookOnChanges;
  const int page = AtthakathaPageOfLine(volume, line);
  const auto headers =
      CachedMemberTable<std::vector<std::string>>(Archive("ATPHD.PAK"), Member(volume, ".PHD"), DecodeLines);
  return LineAt(*headers, page);
}

}  // namespace lomarin
