#include "saraproc.h"

#include <vector>

#include "booktables.h"
#include "bytesource.h"
#include "coding.h"
#include "lzo.h"
#include "uunpak.h"

namespace lomarin {
namespace {

struct EncyclopediaUnit {
  std::string folder;
};

EncyclopediaUnit& Unit() {
  static EncyclopediaUnit unit;
  return unit;
}

constexpr uint64_t kRecordSize = 8;

// The article's text, or false when the index or the directory points outside the data.
bool ReadArticle(int index, std::string& text) {
  const FileSource articles(Unit().folder + "SARA.DAT");
  const FileSource directory(Unit().folder + "SARA.MDB");
  if (index < 0) return false;
  char record[kRecordSize];
  if (!directory.ReadAt(kRecordSize * static_cast<uint64_t>(index), kRecordSize, record)) return false;
  const int64_t unpacked = DecodeSigned32(record);
  const int64_t offset = DecodeSigned32(record + 4);
  char nextOffset[4];
  const int64_t end = directory.ReadAt(kRecordSize * (static_cast<uint64_t>(index) + 1) + 4, 4, nextOffset)
                          ? DecodeSigned32(nextOffset)
                          : static_cast<int64_t>(articles.Size());
  if (offset < 0 || end < offset || static_cast<uint64_t>(end) > articles.Size()) return false;
  // LZO1X spends at least one byte per 255 bytes of output: a larger size is damage, and
  // must not size an allocation.
  const int64_t packed = end - offset;
  if (unpacked < 0 || unpacked > kMaxUnpackedSize || unpacked > 256 * packed + 1024) return false;

  std::vector<char> block(static_cast<size_t>(packed));
  if (!articles.ReadAt(static_cast<uint64_t>(offset), block.size(), block.data())) return false;
  std::string result(static_cast<size_t>(unpacked), '\0');
  if (!LzoDecompress(block.data(), block.size(), result.data(), result.size())) return false;
  text.swap(result);
  return true;
}

}  // namespace

void SetEncyclopediaFolder(const std::string& folder) { Unit().folder = folder; }

bool LoadEncyclopediaIndex(TextTarget& lines) {
  if (LoadFileText(Unit().folder + "SARA.LST", lines)) return true;
  try {
    lines.ReplaceText({});
  } catch (...) {
  }
  return false;
}

bool LoadEncyclopediaArticle(int index, TextTarget& view) {
  try {
    std::string text;
    if (!ReadArticle(index, text)) return false;
    view.ReplaceText(std::move(text));
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace lomarin
