// The table cache answers as a fresh read would: a file changed on disk is read again,
// a file removed raises again, and the uncached path gives the same answers.
#include <gtest/gtest.h>

#include <filesystem>

#include "bookwriters.h"
#include "fileerror.h"
#include "tablecache.h"
#include "tempdir.h"
#include "tipiproc.h"
#include "tlinkaproc.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

void WritePages(const std::string& bible, std::vector<PageRange> pages) {
  BookFiles volume;
  volume.pages = std::move(pages);
  WriteTipitakaVolumes(bible, {{1, volume}});
}

// Rewrites a file in place, same size and inode, and moves its modification time.
void RewriteInPlace(const TempDir& dir, const std::string& name, const std::string& bytes, int secondsLater) {
  const std::string path = dir.Write(name, bytes);
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(secondsLater));
}

}  // namespace

TEST(TableCache, AChangedFileIsReadAgain) {
  TempDir dir;
  SetTipitakaFolder(dir.Folder());
  WritePages(dir.Folder(), {{0, 9}, {10, 19}});
  EXPECT_EQ(TipitakaPageFirstLine(1, 2), 10);
  WritePages(dir.Folder(), {{0, 9}, {10, 19}, {20, 29}});  // a new file of another size
  EXPECT_EQ(TipitakaPageFirstLine(1, 3), 20);

  // Same size, same inode, only the modification time tells.
  SetLinkFolder(dir.Folder());
  std::string table = EncodeLinkTable({{1, {{5, 6}}}}, 1, 2600);
  dir.Write("TA.LNK", table);
  EXPECT_EQ(TipitakaToAtthakatha(1, 1), 5u | (6u << 16));
  table[0] = 7;
  RewriteInPlace(dir, "TA.LNK", table, 2);
  EXPECT_EQ(TipitakaToAtthakatha(1, 1), 7u | (6u << 16));

  std::filesystem::remove(dir.Path("TA.LNK"));
  EXPECT_THROW(TipitakaToAtthakatha(1, 1), FileError);
}

TEST(TableCache, UncachedReadsGiveTheSameAnswers) {
  TempDir dir;
  SetTipitakaFolder(dir.Folder());
  WritePages(dir.Folder(), {{0, 9}, {10, 19}, {20, 29}});
  std::vector<ItemRange> items(kItemSlotsPerVolume);
  items[0] = {0, 4};
  items[2599] = {5, 29};
  WriteTipitakaItems(dir.Folder(), {{1, items}});

  auto answers = [] {
    std::vector<long long> all;
    for (int line : {-1, 0, 4, 5, 15, 29, 30}) {
      all.push_back(TipitakaPageOfLine(1, line));
      all.push_back(TipitakaItemOfLine(1, line));
    }
    for (int item : {0, 1, 2600, 2601}) all.push_back(TipitakaItemLines(1, item));
    all.push_back(TipitakaItemOfLine(53, 0));
    all.push_back(TipitakaItemOfLine(54, 0));
    return all;
  };
  const std::vector<long long> cached = answers();
  SetTableCacheEnabled(false);
  const std::vector<long long> uncached = answers();
  SetTableCacheEnabled(true);
  const std::vector<long long> expected = {0, 0, 0, 1, 0, 1, 0, 2600, 1, 2600, 2, 2600, 2, 0,
                                           0, 4 << 16, 5 | (29 << 16), 0, 1, 0};
  EXPECT_EQ(cached, expected);
  EXPECT_EQ(uncached, expected);
}

TEST(TableCache, AFolderReplacedOnTheWayIsSeen) {
  TempDir dir;
  const std::string bible = dir.Path("library/bible/");
  WritePages(bible, {{0, 9}, {10, 19}});
  SetTipitakaFolder(bible);
  EXPECT_EQ(TipitakaPageFirstLine(1, 2), 10);
  // A new library moved in where the old one was, the way a compiler replaces its output.
  std::filesystem::rename(dir.Path("library"), dir.Path("old"));
  WritePages(dir.Path("new/bible/"), {{0, 4}, {5, 19}});
  std::filesystem::rename(dir.Path("new"), dir.Path("library"));
  EXPECT_EQ(TipitakaPageFirstLine(1, 2), 5);
  std::filesystem::remove_all(dir.Path("library"));
  EXPECT_THROW(TipitakaPageFirstLine(1, 2), FileError);
}
