// The Milindapanha, the Visuddhimagga, the encyclopedia and the chant archives through
// their writers and readers.
#include <gtest/gtest.h>

#include <functional>

#include "bookwriters.h"
#include "chantbooks.h"
#include "coding.h"
#include "fileerror.h"
#include "milinproc.h"
#include "saraproc.h"
#include "tempdir.h"
#include "uunpak.h"
#include "wisutproc.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

using Lines = std::vector<std::string>;

struct Load {
  bool ok;
  Lines lines;
};

Load Loaded(const std::function<bool(TextTarget&)>& load) {
  LineList list;
  list.lines = {"before"};
  const bool ok = load(list);
  return {ok, list.lines};
}

std::string ErrorOf(const std::function<void()>& lookup) {
  try {
    lookup();
  } catch (const FileError& e) {
    return e.what();
  }
  return "no error";
}

BookFiles Book(const std::string& name) {
  BookFiles book;
  book.text = JoinLines({name + " 0", name + " 1", name + " 2", name + " 3"});
  book.contents = JoinLines({"first", "second"});
  book.contentsLines = {1, 3};
  book.pages = {{0, 1}, {2, 3}};
  book.pageHeaders = JoinLines({name + " page 1"});
  return book;
}

}  // namespace

TEST(Milinda, RoundTripAndContentsEntryMinusOne) {
  TempDir dir;
  WriteMilinda(dir.Folder(), Book("milin"));
  SetMilindaFolder(dir.Folder());
  EXPECT_EQ(Loaded(LoadMilindaText).lines, (Lines{"milin 0", "milin 1", "milin 2", "milin 3"}));
  EXPECT_EQ(Loaded(LoadMilindaContents).lines, (Lines{"first", "second"}));
  const struct {
    int entry, line;
  } cases[] = {{0, 1}, {1, 3}, {-1, 1}, {2, 0}, {-2, 0}};
  for (const auto& c : cases) EXPECT_EQ(MilindaContentsLine(c.entry), c.line) << c.entry;

  SetMilindaFolder(dir.Path("gone/"));
  EXPECT_FALSE(Loaded(LoadMilindaText).ok);
  const Load contents = Loaded(LoadMilindaContents);
  EXPECT_FALSE(contents.ok);
  EXPECT_EQ(contents.lines, Lines{"before"});
  EXPECT_EQ(ErrorOf([] { MilindaContentsLine(0); }), "Cannot open file " + dir.Path("gone/MILIN.TDB"));
}

TEST(Visuddhi, EveryPartByItsNameAndTheLowByteOfThePart) {
  TempDir dir;
  for (int part = 0; part < kVisuddhiPartCount; ++part) WriteVisuddhiPart(dir.Folder(), part, Book(kVisuddhiPartNames[part]));
  SetVisuddhiFolder(dir.Folder());
  for (int part = 0; part < kVisuddhiPartCount; ++part) {
    const std::string name = kVisuddhiPartNames[part];
    const int code = 0x030000 | part;  // a reader passes its whole request code
    EXPECT_EQ(Loaded([&](TextTarget& t) { return LoadVisuddhiText(code, t); }).lines.at(0), name + " 0");
    EXPECT_EQ(Loaded([&](TextTarget& t) { return LoadVisuddhiContents(code, t); }).lines, (Lines{"first", "second"}));
    EXPECT_EQ(VisuddhiPageHeader(code, 1), name + " page 1");
  }
  // Visuddhimagga parts above 5 have no files.
  for (int part : {6, 255, 0x0306}) {
    EXPECT_EQ(Loaded([&](TextTarget& t) { return LoadVisuddhiText(part, t); }).ok, false);
    EXPECT_EQ(Loaded([&](TextTarget& t) { return LoadVisuddhiContents(part, t); }).lines, Lines{"before"});
    EXPECT_EQ(VisuddhiContentsLine(part, 0), 0);
    EXPECT_EQ(VisuddhiPageOfLine(part, 0), 0);
    EXPECT_EQ(VisuddhiPageHeader(part, 0), "");
  }
}

TEST(Visuddhi, TablesAndTheirEdges) {
  TempDir dir;
  BookFiles book = Book("SIL1");
  book.pages = {{0, 9}, {10, 19}, {20, 29}};
  book.pageHeaders = JoinLines({"h1", "h2"});
  WriteVisuddhiPart(dir.Folder(), 0, book);
  SetVisuddhiFolder(dir.Folder());

  EXPECT_EQ(VisuddhiContentsLine(0, -1), 1);
  EXPECT_EQ(VisuddhiContentsLine(0, 1), 3);
  EXPECT_EQ(VisuddhiContentsLine(0, 2), 0);
  EXPECT_EQ(VisuddhiPageOfLine(0, 0), 0);
  EXPECT_EQ(VisuddhiPageOfLine(0, 15), 1);
  EXPECT_EQ(VisuddhiPageOfLine(0, 500), 2);
  EXPECT_EQ(VisuddhiPageHeader(0, 15), "h2");
  EXPECT_EQ(VisuddhiPageHeader(0, 25), "");  // fewer header lines than pages

  const struct {
    int page, first, last;
  } pages[] = {{1, 0, 9}, {3, 20, 29}, {0, 0, 0}, {-1, 0, 0}, {4, 0, 0}};
  for (const auto& c : pages) {
    int first = -7, last = -7;
    VisuddhiPageLines(0, c.page, first, last);
    EXPECT_EQ(first, c.first) << c.page;
    EXPECT_EQ(last, c.last) << c.page;
  }

  // A PDB with a partial record counts whole records only.
  dir.Write("SIL1.PDB", EncodePages({{0, 9}, {10, 19}}) + "\x01\x02\x03");
  int first = 0, last = 0;
  VisuddhiPageLines(0, 3, first, last);
  EXPECT_EQ(last, 0);
  EXPECT_EQ(VisuddhiPageOfLine(0, 500), 1);

  SetVisuddhiFolder(dir.Path("gone/"));
  const std::string gone = "Cannot open file " + dir.Path("gone/");
  EXPECT_EQ(ErrorOf([] { VisuddhiContentsLine(1, 0); }), gone + "SIL2.TDB");
  EXPECT_EQ(ErrorOf([] { VisuddhiPageOfLine(2, 0); }), gone + "SAMATI1.PDB");
  EXPECT_EQ(ErrorOf([] { VisuddhiPageHeader(3, 0); }), gone + "SAMATI2.PDB");
  EXPECT_EQ(ErrorOf([] {
              int f, l;
              VisuddhiPageLines(5, 1, f, l);
            }),
            gone + "PANYA2.PDB");
}

TEST(Encyclopedia, ArticlesRunToTheNextOffsetOrTheEndOfTheFile) {
  TempDir dir;
  const std::vector<std::string> articles = {JoinLines({"first", "article"}), "", std::string(3000, 'x') + "\r\nend"};
  WriteEncyclopedia(dir.Folder(), JoinLines({"a", "b", "c"}), articles);
  SetEncyclopediaFolder(dir.Folder());
  EXPECT_EQ(Loaded(LoadEncyclopediaIndex).lines, (Lines{"a", "b", "c"}));
  EXPECT_EQ(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(0, t); }).lines, (Lines{"first", "article"}));
  const Load empty = Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(1, t); });
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.lines, Lines{});
  EXPECT_EQ(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(2, t); }).lines.back(), "end");

  // Article 0's block ends at record 1's offset: moved one byte in, the block is short.
  std::string directory = EncodeEncyclopedia(articles).directory;
  const std::string shortened = directory.substr(0, 12) + std::string("\x01\0\0\0", 4) + directory.substr(16);
  dir.Write("SARA.MDB", shortened);
  EXPECT_FALSE(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(0, t); }).ok);
  // The last block runs to the end of SARA.DAT: one byte cut off breaks it.
  dir.Write("SARA.MDB", directory);
  const std::string dat = EncodeEncyclopedia(articles).articles;
  dir.Write("SARA.DAT", dat.substr(0, dat.size() - 1));
  EXPECT_FALSE(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(2, t); }).ok);
  EXPECT_TRUE(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(0, t); }).ok);
  // Record 1 without its offset field: article 0 runs to the end of SARA.DAT, over the
  // other blocks, and still decompresses; article 1 has no whole record.
  dir.Write("SARA.DAT", dat);
  dir.Write("SARA.MDB", directory.substr(0, 12));
  EXPECT_EQ(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(0, t); }).lines, (Lines{"first", "article"}));
  EXPECT_FALSE(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(1, t); }).ok);
}

TEST(Encyclopedia, BadIndexesAndDamagedDirectoriesAnswerFalse) {
  TempDir dir;
  const std::vector<std::string> articles = {"alpha", "beta"};
  WriteEncyclopedia(dir.Folder(), JoinLines({"a", "b"}), articles);
  SetEncyclopediaFolder(dir.Folder());
  const std::string directory = EncodeEncyclopedia(articles).directory;
  auto record = [](int32_t unpacked, int32_t offset) {
    std::string r;
    PutFixed32(r, static_cast<uint32_t>(unpacked));
    PutFixed32(r, static_cast<uint32_t>(offset));
    return r;
  };
  const struct {
    std::string directory;
    int index;
  } cases[] = {
      {directory, -1},
      {directory, 2},                                      // beyond the directory
      {record(5, 1000), 0},                                // block beyond SARA.DAT
      {record(5, -4), 0},                                  // negative offset
      {record(-1, 0), 0},                                  // negative size
      {record(400000000, 0), 0},                           // more than the block can hold
      {record(5, 6) + record(4, 2), 0},                    // next offset before this one
      {directory.substr(0, 7), 0},                         // partial record
  };
  for (const auto& c : cases) {
    dir.Write("SARA.MDB", c.directory);
    const Load load = Loaded([&](TextTarget& t) { return LoadEncyclopediaArticle(c.index, t); });
    EXPECT_FALSE(load.ok) << c.index;
    EXPECT_EQ(load.lines, Lines{"before"});
  }

  SetEncyclopediaFolder(dir.Path("gone/"));
  const Load index = Loaded(LoadEncyclopediaIndex);
  EXPECT_FALSE(index.ok);
  EXPECT_EQ(index.lines, Lines{});  // the list is cleared first
  EXPECT_FALSE(Loaded([](TextTarget& t) { return LoadEncyclopediaArticle(0, t); }).ok);
}

TEST(ChantBooks, EachArchiveYieldsItsTextThroughA16ByteName) {
  TempDir dir;
  for (int chant = 0; chant < kChantBookCount; ++chant) {
    WriteChantBook(dir.Path("others/"), chant, "chant " + std::to_string(chant));
  }
  for (int chant = 0; chant < kChantBookCount; ++chant) {
    const ChantBook& book = kChantBooks[chant];
    EXPECT_EQ(book.member.size(), 16u);
    std::string text;
    ExtractPakMember(ChantArchivePath(dir.Folder(), chant), book.member, text);
    EXPECT_EQ(text, "chant " + std::to_string(chant));
  }
  EXPECT_EQ(ChantArchivePath("DATA/", 3), "DATA/others/auppa.pak");
}
