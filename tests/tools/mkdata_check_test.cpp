// lomarin-mkdata --check: a compiled library is clean, and each planted inconsistency is
// found and named.
#include <gtest/gtest.h>

#include <functional>

#include "coding.h"
#include "fileio.h"
#include "librarycheck.h"
#include "librarywriter.h"
#include "mkdatafixture.h"
#include "pakwriter.h"
#include "uunpak.h"

using namespace lomarin;
using namespace lomarin::testing;

namespace {

// Overwrites 4 bytes at offset of a flat file.
void PutSlot(const std::string& path, size_t offset, uint16_t low, uint16_t high) {
  std::string bytes = ReadWholeFile(path);
  std::string slot;
  PutFixed16(slot, low);
  PutFixed16(slot, high);
  bytes.replace(offset, 4, slot);
  WriteFileAtomically(path, bytes);
}

// Replaces one member of an archive with new bytes, keeping the others.
void ReplaceMember(const std::string& archive, const std::vector<std::string>& names, const std::string& name,
                   const std::string& bytes) {
  std::vector<PakMember> members;
  for (const std::string& n : names) {
    std::string data;
    ExtractPakMember(archive, n, data);
    members.push_back({n, n == name ? bytes : data});
  }
  WritePakArchive(archive, members);
}

TEST(MkdataCheck, FindsEachPlantedInconsistency) {
  const struct {
    const char* what;
    std::function<void(const std::string& lib)> plant;
    const char* expected;
  } cases[] = {
      {"a word list line changed under its hits",
       [](const std::string& lib) {
         std::string words = ReadWholeFile(lib + "bible/DIC.SDB");
         const std::string word = Cp874("ภิกษุ");
         words.replace(words.find("\r\n" + word + "\r\n") + 2, word.size(), std::string(word.size(), 'x'));
         WriteFileAtomically(lib + "bible/DIC.SDB", words);
       },
       "does not lie on its word"},
      {"a position table without its last record",
       [](const std::string& lib) {
         std::string table;
         ExtractPakMember(lib + "bible/TPSNDB.PAK", "TPNUM02.SDB", table);
         table.resize(table.size() - 10);
         ReplaceMember(lib + "bible/TPSNDB.PAK", {"TPNUM02.SDB"}, "TPNUM02.SDB", table);
       },
       "lies in no record of the position table"},
      {"an item beyond the text",
       [](const std::string& lib) { PutSlot(lib + "bible/TPNDB.PAK", (2600 + 2) * 4, 5, 40); },
       "bible/TPNDB.PAK: volume 2 item 3 lines 5-40 do not lie in the volume's text"},
      {"a link to a page the Atthakatha volume lacks",
       [](const std::string& lib) { PutSlot(lib + "link/TA.LNK", 2600 * 4, 3, 9); },
       "link/TA.LNK: volume 2 item 1 -> volume 3 page 9: the target does not exist"},
      {"a link from a page that does not exist",
       [](const std::string& lib) { PutSlot(lib + "link/AT.LNK", (2 * 1300 + 7) * 4, 2, 1); },
       "link/AT.LNK: volume 3 page 8 -> volume 2 item 1: the source has no such page"},
      {"a contents line past the text",
       [](const std::string& lib) {
         std::string tdb;
         PutFixed16(tdb, 2);
         PutFixed16(tdb, 11);
         ReplaceMember(lib + "bible/TPTDB.PAK", {"TDAT02.TDB"}, "TDAT02.TDB", tdb);
       },
       "contents entry 1 points at line 11 of a text of 11 lines"},
      {"a byte count that does not match the texts",
       [](const std::string& lib) { PutSlot(lib + "bible/AT.SDM", 4 * 32, 0, 0); },
       "bible/AT.SDM: byte 32 counted 0"},
      {"a missing page-header archive",
       [](const std::string& lib) { std::remove((lib + "bible/ATPHD.PAK").c_str()); },
       "Cannot open file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempDir dir;
    WriteSampleSource(dir);
    mkdata::CompileLibrary(dir.Path("src"), dir.Path("lib"));
    ASSERT_EQ(mkdata::CheckLibrary(dir.Path("lib/")).problemCount, 0u);
    c.plant(dir.Path("lib/"));
    const mkdata::CheckResult result = mkdata::CheckLibrary(dir.Path("lib/"));
    ASSERT_GT(result.problemCount, 0u);
    bool named = false;
    for (const std::string& p : result.problems) named = named || p.find(c.expected) != std::string::npos;
    EXPECT_TRUE(named) << result.problems[0];
  }
}

}  // namespace
