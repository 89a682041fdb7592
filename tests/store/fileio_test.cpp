#include <gtest/gtest.h>

#include <filesystem>

#include "fileerror.h"
#include "fileio.h"
#include "tempdir.h"

using namespace lomarin;
using lomarin::testing::TempDir;

TEST(AtomicFileWriter, ReplacesWholeOrNotAtAll) {
  for (const Replace replace : {Replace::kKept, Replace::kScratch}) {
    TempDir dir;
    const std::string path = dir.Path("SSTAB.TMP");
    // A new file, then one in place of an older, longer one, written in pieces.
    WriteFileAtomically(path, "first table, longer", replace);
    EXPECT_EQ(ReadWholeFile(path), "first table, longer");
    {
      AtomicFileWriter writer(path, replace);
      writer.Append("second");
      EXPECT_EQ(ReadWholeFile(path), "first table, longer") << "unchanged until committed";
      writer.Append(" table");
      writer.Commit();
    }
    EXPECT_EQ(ReadWholeFile(path), "second table");
    // Abandoned (a search that failed half way): the older file stays, no ".tmp" is left.
    {
      AtomicFileWriter writer(path, replace);
      writer.Append("half");
    }
    EXPECT_EQ(ReadWholeFile(path), "second table");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Folder()), {}), 1);
  }
}

TEST(AtomicFileWriter, UnwritablePlaceIsAnError) {
  TempDir dir;
  EXPECT_THROW(WriteFileAtomically(dir.Path("missing/STAB.TMP"), "x", Replace::kScratch), FileError);
  EXPECT_THROW(AtomicFileWriter(dir.Path("missing/SSTAB.TMP")), FileError);
  // A folder in the way is not swapped out of it.
  std::filesystem::create_directories(dir.Path("STAB.TMP/inside"));
  EXPECT_THROW(WriteFileAtomically(dir.Path("STAB.TMP"), "x", Replace::kScratch), FileError);
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("STAB.TMP/inside")));
  EXPECT_FALSE(std::filesystem::exists(dir.Path("STAB.TMP.tmp")));
}
