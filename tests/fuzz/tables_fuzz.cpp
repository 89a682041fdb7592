// Feeds arbitrary bytes to the decoders of the navigation tables and the search's
// position tables, and checks the cached tables' indexes against the plain walks: a
// table kept in the cache must answer every line exactly as the walk over its records.
#include <cstddef>
#include <cstdint>
#include <string>

#include "booktables.h"
#include "coding.h"
#include "indexreader.h"

namespace {

void Check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + 4, size - 4);
  // The first four bytes choose the lines and positions asked about.
  const int probe = static_cast<int>(lomarin::DecodeSigned32(reinterpret_cast<const char*>(data)));
  const int lines[] = {probe, 0, -1, probe & 0xFFFF, 65535, 1 << 30};

  using namespace lomarin;
  const PageTable walked = DecodePageTable(std::string(bytes), false);
  const PageTable indexed = DecodePageTable(std::string(bytes), true);
  const ItemSlots plainSlots = DecodeItemSlots(std::string(bytes), false);
  const ItemSlots indexedSlots = DecodeItemSlots(std::string(bytes), true);
  for (int line : lines) {
    Check(TipitakaPageWalk(walked, line) == TipitakaPageWalk(indexed, line));
    Check(AtthakathaPageWalk(walked, line) == AtthakathaPageWalk(indexed, line));
    Check(ItemWalk(plainSlots, line) == ItemWalk(indexedSlots, line));
    VisuddhiPageWalk(walked.records, line);
    PageFirstLineAt(walked.records, line);
    ContentsLineAt(bytes, line);
  }
  LineAt(DecodeLines(std::string(bytes), true), probe);

  const PositionTable positions = PositionTable::Decode(bytes);
  for (int position : lines) {
    if (const auto record = positions.Find(position)) {
      Check(record->start <= position && position <= record->end);
    }
    positions.NumberOf(position);
  }
  return 0;
}
