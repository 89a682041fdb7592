#include "wisutproc.h"

#include <optional>

#include "bookfiles.h"
#include "booktables.h"
#include "tablecache.h"

namespace lomarin {
namespace {

struct VisuddhiUnit {
  std::string folder;
};

VisuddhiUnit& Unit() {
  static VisuddhiUnit unit;
  return unit;
}

// Folder + the part's file name + extension; none for a part above 5.
std::optional<std::string> PartFile(int part, const char* extension) {
  const int index = part & 0xFF;
  if (index >= kVisuddhiPartCount) return std::nullopt;
  return Unit().folder + kVisuddhiPartNames[index] + extension;
}

std::shared_ptr<const std::vector<PageRange>> Pages(int part) {
  const auto path = PartFile(part, ".PDB");
  if (!path) return std::make_shared<const std::vector<PageRange>>();
  return CachedFileTable<std::vector<PageRange>>(*path, DecodePageRecords);
}

}  // namespace

void SetVisuddhiFolder(const std::string& folder) { Unit().folder = folder; }

bool LoadVisuddhiText(int part, TextTarget& view) {
  const auto archive = PartFile(part, ".PAK");
  if (!archive) return false;
  return LoadMemberText(*archive, std::string(kVisuddhiPartNames[part & 0xFF]) + ".DAT", view);
}

bool LoadVisuddhiContents(int part, TextTarget& lines) {
  const auto path = PartFile(part, ".TOC");
  return path && LoadFileText(*path, lines);
}

int VisuddhiContentsLine(int part, int entry) {
  const auto path = PartFile(part, ".TDB");
  if (!path) return 0;
  return ContentsLineAt(*CachedFileTable<std::string>(*path, KeepTableBytes), entry == -1 ? 0 : entry);
}

int VisuddhiPageOfLine(int part, int line) { return VisuddhiPageWalk(*Pages(part), line); }

std::string VisuddhiPageHeader(int part, int line) {
  const TableLookupScope oneLookOnChanges;
  const int page = VisuddhiPageOfLine(part, line);
  const auto path = PartFile(part, ".PHD");
  if (!path) return {};
  return LineAt(*CachedFileTable<std::vector<std::string>>(*path, DecodeLines), page);
}

void VisuddhiPageLines(int part, int page, int& first, int& last) {
  const auto pages = Pages(part);
  first = 0;
  last = 0;
  if (page >= 1 && static_cast<size_t>(page) <= pages->size()) {
    first = (*pages)[static_cast<size_t>(page) - 1].first;
    last = (*pages)[static_cast<size_t>(page) - 1].last;
  }
}

}  // namespace lomarin
