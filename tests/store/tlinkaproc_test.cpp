// The link tables: slot offsets, the "no link" answers and the missing file.
#include <gtest/gtest.h>

#include "bookwriters.h"
#include "coding.h"
#include "fileerror.h"
#include "tempdir.h"
#include "tlinkaproc.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

// A flat table whose slot i holds i + 1, so an answer names the slot it was read from.
std::string NumberedSlots(size_t count) {
  std::string bytes;
  for (size_t i = 0; i < count; ++i) PutFixed32(bytes, static_cast<uint32_t>(i + 1));
  return bytes;
}

}  // namespace

TEST(LinkTables, SlotOffsetsAndNoLinkAnswers) {
  TempDir dir;
  dir.Write("TA.LNK", NumberedSlots(2 * 2600 + 1));  // volumes 1 and 2, and one slot of 3
  dir.Write("AT.LNK", NumberedSlots(2 * 1300) + "\x01\x02");  // a partial slot at the end
  SetLinkFolder(dir.Folder());
  const struct {
    uint32_t (*lookup)(int, int);
    int volume, number;
    uint32_t slot;  // 1-based slot read, 0 for none
  } cases[] = {
      {TipitakaToAtthakatha, 1, 1, 1},        // bytes 0 … 3
      {TipitakaToAtthakatha, 2, 1, 2601},     // offset 2600 × 4
      {TipitakaToAtthakatha, 1, 2600, 2600},
      {TipitakaToAtthakatha, 3, 1, 5201},
      {TipitakaToAtthakatha, 3, 2, 0},        // at the end of the file
      {TipitakaToAtthakatha, 2, 0, 0},        // item 0 would read volume 1's last slot
      {TipitakaToAtthakatha, 1, 2601, 0},     // would read volume 2's first slot
      {TipitakaToAtthakatha, 0, 5, 0},
      {TipitakaToAtthakatha, 54, 1, 0},
      {AtthakathaToTipitaka, 2, 1, 1301},     // bytes 5200 … 5203
      {AtthakathaToTipitaka, 2, 1300, 2600},
      {AtthakathaToTipitaka, 3, 1, 0},        // only two bytes of that slot
      {AtthakathaToTipitaka, 1, 1301, 0},
      {AtthakathaToTipitaka, 1, -1, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.lookup(c.volume, c.number), c.slot) << c.volume << "/" << c.number;
}

TEST(LinkTables, WrittenLinksReadBackAsLowVolumeHighNumber) {
  TempDir dir;
  WriteLinkTables(dir.Folder(), {{53, {{0, 0}, {88, 1300}}}}, {{2, {{7, 2600}}}});
  SetLinkFolder(dir.Folder());
  EXPECT_EQ(TipitakaToAtthakatha(53, 1), 0u);  // a slot holding 0: no link
  EXPECT_EQ(TipitakaToAtthakatha(53, 2), 88u | (1300u << 16));
  EXPECT_EQ(TipitakaToAtthakatha(53, 2600), 0u);
  EXPECT_EQ(AtthakathaToTipitaka(2, 1), 7u | (2600u << 16));
  EXPECT_EQ(AtthakathaToTipitaka(88, 1300), 0u);
}

TEST(LinkTables, MissingFileRaisesEvenForItemZero) {
  TempDir dir;
  SetLinkFolder(dir.Folder());
  for (int item : {1, 0}) {
    try {
      TipitakaToAtthakatha(1, item);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot open file " + dir.Path("TA.LNK"));
    }
  }
  EXPECT_THROW(AtthakathaToTipitaka(1, 1), FileError);
}
