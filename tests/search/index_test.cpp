#include <gtest/gtest.h>

#include "coding.h"
#include "fileerror.h"
#include "indexreader.h"
#include "indexwriter.h"
#include "lzo.h"
#include "tempdir.h"

using namespace lomarin;
using lomarin::testing::TempDir;

TEST(IndexFiles, WrittenFilesReadBack) {
  TempDir dir;
  const std::vector<std::string> words = {"\xB8\xC3\xC3\xC1", "\xC7\xD4\xB9\xD1\xC2", "absent"};
  WriteWordList(dir.Folder(), words);
  // Hits given out of order are stored by volume, then position.
  WriteWordIndex(dir.Folder(), Collection::Atthakatha, {{{7, 40}, {3, 900}, {3, 12}}, {{1, 0}}, {}});
  EXPECT_EQ(ReadWordList(dir.Folder()), words);

  const WordIndex index(dir.Folder(), Collection::Atthakatha);
  const IndexEntry first = index.Entry(0);
  EXPECT_EQ(first.hitCount, 3);
  EXPECT_EQ(first.blockOffset, 0);
  const std::string block = index.HitBlock(0, first);
  ASSERT_EQ(block.size(), 18u);
  EXPECT_EQ(DecodeHitRecord(block.data()), (HitRecord{3, 12}));
  EXPECT_EQ(DecodeHitRecord(block.data() + 6), (HitRecord{3, 900}));
  EXPECT_EQ(DecodeHitRecord(block.data() + 12), (HitRecord{7, 40}));
  EXPECT_EQ(index.Entry(1).blockOffset, first.blockSize);
  const IndexEntry none = index.Entry(2);
  EXPECT_EQ(none.hitCount, 0);
  EXPECT_TRUE(index.HitBlock(2, none).empty());
  EXPECT_THROW(index.Entry(3), FileError);
  EXPECT_THROW(WordIndex(dir.Folder(), Collection::Tipitaka), FileError);

  std::array<int32_t, 256> counts{};
  counts[0xA1] = 5;
  counts[255] = -1;
  WriteByteFrequencies(dir.Folder(), Collection::Tipitaka, counts);
  EXPECT_EQ(ReadByteFrequencies(dir.Folder(), Collection::Tipitaka), counts);
  EXPECT_EQ(dir.Write("AT.SDM", "short"), dir.Path("AT.SDM"));
  EXPECT_THROW(ReadByteFrequencies(dir.Folder(), Collection::Atthakatha), FileError);
}

TEST(IndexFiles, DamagedIndexEntriesAreErrors) {
  TempDir dir;
  const std::string block = LzoCompress(std::string(12, '\1'));
  const struct {
    int32_t count, offset, size;
  } cases[] = {
      {-1, 0, static_cast<int32_t>(block.size())},
      {2, -4, static_cast<int32_t>(block.size())},
      {2, 1, static_cast<int32_t>(block.size())},  // runs past the hit-block file
      {2, 0, 0},
      {3, 0, static_cast<int32_t>(block.size())},  // decompresses to fewer bytes
      {0x7fffffff, 0, static_cast<int32_t>(block.size())},
  };
  dir.Write("TPSDB.PAK", block);
  for (const auto& c : cases) {
    std::string entry;
    PutFixed32(entry, static_cast<uint32_t>(c.count));
    PutFixed32(entry, static_cast<uint32_t>(c.offset));
    PutFixed32(entry, static_cast<uint32_t>(c.size));
    dir.Write("TPSDB.IDX", entry);
    const WordIndex index(dir.Folder(), Collection::Tipitaka);
    EXPECT_THROW(index.HitBlock(0, index.Entry(0)), FileError) << c.count << " " << c.offset << " " << c.size;
  }
}

TEST(IndexFiles, PositionTableLookup) {
  TempDir dir;
  WritePositionTables(dir.Folder(), Collection::Tipitaka, {{}, {{0, 0, 9}, {1, 10, 19}, {5, 30, 39}}});
  EXPECT_EQ(LoadPositionTable(dir.Folder(), Collection::Tipitaka, 1).Size(), 0u);
  EXPECT_EQ(LoadPositionTable(dir.Folder(), Collection::Tipitaka, 3).Size(), 0u);  // absent member
  const PositionTable table = LoadPositionTable(dir.Folder(), Collection::Tipitaka, 2);
  const struct {
    int32_t position;
    int number;
    bool held;
  } cases[] = {{0, 0, true}, {9, 0, true}, {10, 1, true}, {19, 1, true}, {35, 5, true},
               {39, 5, true}, {25, 0, false}, {40, 0, false}, {-1, 0, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(table.Find(c.position).has_value(), c.held) << c.position;
    EXPECT_EQ(table.NumberOf(c.position), c.number) << c.position;
  }
  EXPECT_EQ(PositionTable().NumberOf(3), 0);
  EXPECT_THROW(LoadPositionTable(dir.Folder(), Collection::Atthakatha, 1), FileError);
}
