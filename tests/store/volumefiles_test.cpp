// The Tipitaka and Atthakatha volume files through their writers and the two units.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <random>

#include "attaproc.h"
#include "booktables.h"
#include "bookwriters.h"
#include "coding.h"
#include "fileerror.h"
#include "pakwriter.h"
#include "tempdir.h"
#include "tipiproc.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

using Lines = std::vector<std::string>;

Lines Loaded(bool (*load)(int, TextTarget&), int volume, bool* ok = nullptr) {
  LineList list;
  list.lines = {"before"};
  const bool answer = load(volume, list);
  if (ok) *ok = answer;
  return list.lines;
}

std::string ErrorOf(const std::function<void()>& lookup) {
  try {
    lookup();
  } catch (const FileError& e) {
    return e.what();
  }
  return "no error";
}

// Volume 2 of each collection; pages and items over its 12 lines.
class VolumeFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    BookFiles volume;
    // A lone LF and a lone CR stay inside their lines; the final CR LF adds no line.
    volume.text = JoinLines({"line0", "li\nne1", "line2\r"}) + "last";
    volume.contents = JoinLines({"heading one", "heading two"});
    volume.contentsLines = {0, 65535};
    volume.pages = {{0, 3}, {4, 7}, {8, 11}};
    volume.pageHeaders = JoinLines({"header 0", "header 1"});  // one short of the pages
    WriteTipitakaVolumes(bible, {{2, volume}});
    WriteAtthakathaVolumes(bible, {{2, volume}});
    WriteTipitakaItems(bible, {{2, {{1, 2}, {3, 5}}}});
    SetTipitakaFolder(bible);
    SetAtthakathaFolder(bible);
  }

  TempDir dir;
  const std::string bible = dir.Path("bible/");
};

}  // namespace

TEST_F(VolumeFiles, LoadersSplitAtCrLfAndEmptyForAbsentMembers) {
  const Lines text = {"line0", "li\nne1", "line2\r", "last"};
  EXPECT_EQ(Loaded(LoadTipitakaText, 2), text);
  EXPECT_EQ(Loaded(LoadAtthakathaText, 2), text);
  EXPECT_EQ(Loaded(LoadTipitakaContents, 2), (Lines{"heading one", "heading two"}));
  EXPECT_EQ(Loaded(LoadAtthakathaContents, 2), (Lines{"heading one", "heading two"}));

  bool ok = false;
  EXPECT_EQ(Loaded(LoadTipitakaText, 3, &ok), Lines{});  // the archive lacks volume 3
  EXPECT_TRUE(ok);
  EXPECT_EQ(Loaded(LoadAtthakathaContents, 3, &ok), Lines{});
  EXPECT_TRUE(ok);
}

TEST_F(VolumeFiles, LoadersAnswerFalseAndKeepTheTargetWhenFilesAreMissing) {
  for (const std::string& folder : {std::string(), dir.Path("nowhere/")}) {
    SetTipitakaFolder(folder);
    SetAtthakathaFolder(folder);
    for (auto load : {LoadTipitakaText, LoadTipitakaContents, LoadAtthakathaText, LoadAtthakathaContents}) {
      bool ok = true;
      EXPECT_EQ(Loaded(load, 2, &ok), Lines{"before"});
      EXPECT_FALSE(ok);
    }
  }
}

TEST_F(VolumeFiles, LoaderAnswersFalseForADamagedMember) {
  std::string archive = BuildPakArchive({{"TDAT01.DAT", std::string(1000, 'x')}});
  archive.resize(archive.size() - 3);
  dir.Write("bible/TPDAT.PAK", archive);
  bool ok = true;
  EXPECT_EQ(Loaded(LoadTipitakaText, 1, &ok), Lines{"before"});
  EXPECT_FALSE(ok);
}

TEST_F(VolumeFiles, ContentsLinesAndPageFirstLines) {
  EXPECT_EQ(TipitakaContentsLine(2, 0), 0);
  EXPECT_EQ(TipitakaContentsLine(2, 1), 65535);  // zero-extended
  EXPECT_EQ(AtthakathaContentsLine(2, 1), 65535);
  EXPECT_EQ(TipitakaPageFirstLine(2, 2), 4);
  EXPECT_EQ(AtthakathaPageFirstLine(2, 3), 8);
  // Outside the tables, or a volume without members: 0.
  for (int entry : {-1, 2, 1000}) EXPECT_EQ(TipitakaContentsLine(2, entry), 0) << entry;
  for (int page : {-1, 0, 4}) EXPECT_EQ(TipitakaPageFirstLine(2, page), 0) << page;
  EXPECT_EQ(AtthakathaContentsLine(3, 0), 0);
  EXPECT_EQ(TipitakaPageOfLine(3, 5), 0);
}

TEST_F(VolumeFiles, PagesAndHeadersThroughTheFiles) {
  EXPECT_EQ(TipitakaPageOfLine(2, 2), 0);
  EXPECT_EQ(AtthakathaPageOfLine(2, 2), 2);  // record 0 never: falls to the last record
  EXPECT_EQ(TipitakaPageOfLine(2, 5), 1);
  EXPECT_EQ(AtthakathaPageOfLine(2, 5), 1);
  EXPECT_EQ(AtthakathaPageHeader(2, 5), "header 1");
  EXPECT_EQ(AtthakathaPageHeader(2, 9), "");  // page 2 has no header line
}

// Each walk case is asked of the plain walk and of the index a cached table answers with.
TEST(PageWalks, RecordZeroEmptySlotsAndLinesBeyondEveryPage) {
  const std::vector<PageRange> pages = {{5, 9}, {10, 19}, {0, 0}, {20, 29}, {30, 39}};
  const struct {
    int line, tipitaka, atthakatha, visuddhi;
  } cases[] = {
      {0, 0, 4, 0},    // record 0's rule ignores its first line; record 2 (0, 0) holds
                       // line 0 between its fields but is an empty slot
      {7, 0, 4, 0},    // inside record 0: the Atthakatha walk never answers 0
      {12, 1, 1, 1},
      {25, 3, 3, 3},
      {39, 4, 4, 4},
      {1000, 4, 4, 4}, // beyond every page: the last record
      {-5, 0, 4, 0},
  };
  for (bool indexed : {false, true}) {
    const PageTable table = MakePageTable(pages, indexed);
    for (const auto& c : cases) {
      EXPECT_EQ(TipitakaPageWalk(table, c.line), c.tipitaka) << c.line << " indexed " << indexed;
      EXPECT_EQ(AtthakathaPageWalk(table, c.line), c.atthakatha) << c.line << " indexed " << indexed;
      EXPECT_EQ(VisuddhiPageWalk(pages, c.line), c.visuddhi) << c.line;
    }
    // Record 0 with last line 0 is not taken by its own rule; a line in its range is then
    // matched nowhere and falls to the last record.
    EXPECT_EQ(TipitakaPageWalk(MakePageTable({{0, 0}, {1, 5}, {6, 9}}, indexed), 0), 2);
  }
  // The Visuddhimagga walk looks at last lines only: record 1's first line is not consulted.
  EXPECT_EQ(VisuddhiPageWalk({{0, 10}, {50, 20}, {21, 30}}, 15), 1);
}

TEST(PageWalks, TablesOfNoneOrOneRecordStayInside) {
  for (bool indexed : {false, true}) {
    for (int line : {0, 5, 100}) {
      EXPECT_EQ(TipitakaPageWalk(MakePageTable({}, indexed), line), 0);
      EXPECT_EQ(AtthakathaPageWalk(MakePageTable({}, indexed), line), 0);
      EXPECT_EQ(TipitakaPageWalk(MakePageTable({{0, 9}}, indexed), line), 0);
      EXPECT_EQ(AtthakathaPageWalk(MakePageTable({{0, 9}}, indexed), line), 0);
    }
  }
  EXPECT_EQ(VisuddhiPageWalk({}, 5), 0);
  EXPECT_EQ(VisuddhiPageWalk({{0, 9}}, 100), 0);
}

// Overlapping, empty, reversed and repeated ranges: the index answers as the walk does.
TEST(PageWalks, IndexAnswersAsTheWalkOnRandomTables) {
  std::mt19937 rng(2600);
  for (int round = 0; round < 200; ++round) {
    std::vector<PageRange> pages(1 + rng() % 30);
    std::string slots;
    for (PageRange& p : pages) {
      p.first = static_cast<int32_t>(rng() % 60) - 5;
      p.last = rng() % 5 == 0 ? 0 : p.first + static_cast<int32_t>(rng() % 20) - 3;
      PutFixed16(slots, static_cast<uint16_t>(std::max(0, p.first)));
      PutFixed16(slots, static_cast<uint16_t>(std::max(0, p.last)));
    }
    const PageTable walked = MakePageTable(pages, false);
    const PageTable indexed = MakePageTable(pages, true);
    const ItemSlots walkedItems = DecodeItemSlots(std::string(slots), false);
    const ItemSlots indexedItems = DecodeItemSlots(std::string(slots), true);
    for (int line = -8; line < 85; ++line) {
      ASSERT_EQ(TipitakaPageWalk(indexed, line), TipitakaPageWalk(walked, line)) << round << "/" << line;
      ASSERT_EQ(AtthakathaPageWalk(indexed, line), AtthakathaPageWalk(walked, line)) << round << "/" << line;
      ASSERT_EQ(ItemWalk(indexedItems, line), ItemWalk(walkedItems, line)) << round << "/" << line;
    }
  }
}

TEST_F(VolumeFiles, ItemsOfLines) {
  // Volume 2: item 1 lines 1-2, item 2 lines 3-5, items 3 … 2600 unused (all zero).
  const struct {
    int volume, line, item;
  } cases[] = {
      {2, 1, 1}, {2, 2, 1}, {2, 5, 2},
      {2, 0, 3},    // line 0 lies in the first all-zero slot
      {2, 6, 0},    // covered by no slot
      {1, 0, 1},    // volume 1 is all zero
      {2, -1, 0}, {2, 65536, 0},
      {0, 0, 0}, {-3, 0, 0},
      {54, 0, 0},   // past the end of the file
  };
  for (const auto& c : cases) EXPECT_EQ(TipitakaItemOfLine(c.volume, c.line), c.item) << c.volume << "/" << c.line;

  EXPECT_EQ(TipitakaItemLines(2, 2), 3u | (5u << 16));
  EXPECT_EQ(TipitakaItemLines(2, 3), 0u);  // unused slot
  for (int item : {0, -1, 2601}) EXPECT_EQ(TipitakaItemLines(2, item), 0u) << item;
  EXPECT_EQ(TipitakaItemLines(54, 1), 0u);
}

TEST_F(VolumeFiles, ItemSlot2600AndATruncatedTable) {
  std::vector<ItemRange> slots(kItemSlotsPerVolume);
  slots.back() = {100, 200};
  WriteTipitakaItems(bible, {{1, slots}, {2, slots}});
  EXPECT_EQ(TipitakaItemOfLine(1, 150), 2600);
  EXPECT_EQ(TipitakaItemLines(1, 2600), 100u | (200u << 16));
  EXPECT_EQ(TipitakaItemOfLine(2, 150), 2600);  // volume 2 starts at byte 2600 × 4

  // Cut inside volume 2's last slot: the partial slot is not there.
  std::string table = EncodeItemTable({{1, slots}, {2, slots}});
  table.resize(2 * kItemSlotsPerVolume * 4 - 2);
  dir.Write("bible/TPNDB.PAK", table);
  EXPECT_EQ(TipitakaItemOfLine(2, 150), 0);
  EXPECT_EQ(TipitakaItemLines(2, 2600), 0u);
  EXPECT_EQ(TipitakaItemLines(1, 2600), 100u | (200u << 16));
}

TEST_F(VolumeFiles, LookupsRaiseCannotOpenWithThePath) {
  SetTipitakaFolder(dir.Path("gone/"));
  SetAtthakathaFolder(dir.Path("gone/"));
  const std::string prefix = "Cannot open file " + dir.Path("gone/");
  const struct {
    std::function<void()> lookup;
    std::string file;
  } cases[] = {
      {[] { TipitakaContentsLine(2, 0); }, "TPTDB.PAK"},
      {[] { TipitakaPageOfLine(2, 0); }, "TPPDB.PAK"},
      {[] { TipitakaPageFirstLine(2, 1); }, "TPPDB.PAK"},
      {[] { TipitakaItemOfLine(2, 0); }, "TPNDB.PAK"},
      {[] { TipitakaItemLines(2, 1); }, "TPNDB.PAK"},
      {[] { TipitakaItemLines(2, 0); }, "TPNDB.PAK"},  // an index out of range still opens the file
      {[] { AtthakathaContentsLine(2, 0); }, "ATTDB.PAK"},
      {[] { AtthakathaPageOfLine(2, 0); }, "ATPDB.PAK"},
      {[] { AtthakathaPageFirstLine(2, 1); }, "ATPDB.PAK"},
      {[] { AtthakathaPageHeader(2, 0); }, "ATPDB.PAK"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.lookup), prefix + c.file);

  // The page table present, the header archive missing.
  SetAtthakathaFolder(bible);
  std::filesystem::remove(bible + "ATPHD.PAK");
  EXPECT_EQ(ErrorOf([] { AtthakathaPageHeader(2, 0); }), "Cannot open file " + bible + "ATPHD.PAK");
}
