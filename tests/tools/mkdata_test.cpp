// The compiler end to end: a small source compiled and read back through the store and
// the search, and the full-size generator's output compiled and checked.
#include <gtest/gtest.h>

#include <filesystem>

#include "attaproc.h"
#include "chantbooks.h"
#include "corpus.h"
#include "fileio.h"
#include "librarycheck.h"
#include "librarywriter.h"
#include "milinproc.h"
#include "mkdatafixture.h"
#include "saraproc.h"
#include "searchrequest.h"
#include "textlines.h"
#include "tipiproc.h"
#include "tlinkaproc.h"
#include "uunpak.h"
#include "wisutproc.h"

using namespace lomarin;
using namespace lomarin::testing;

namespace {

uint32_t Pair(uint32_t low, uint32_t high) { return low | (high << 16); }

std::vector<std::string> Cp874Lines(std::initializer_list<const char*> lines) {
  std::vector<std::string> out;
  for (const char* line : lines) out.push_back(Cp874(line));
  return out;
}

class CompiledSample : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir = new TempDir;
    WriteSampleSource(*dir);
    mkdata::CompileLibrary(dir->Path("src"), dir->Path("lib"));
    lib = dir->Path("lib/");
  }
  static void TearDownTestSuite() { delete dir; }

  static TempDir* dir;
  static std::string lib;
};
TempDir* CompiledSample::dir = nullptr;
std::string CompiledSample::lib;

TEST_F(CompiledSample, TipitakaReadsBackAsWritten) {
  SetTipitakaFolder(lib + "bible/");
  LineList text;
  ASSERT_TRUE(LoadTipitakaText(2, text));
  EXPECT_EQ(text.lines, Cp874Lines({"พระไตรปิฎก เล่ม ๒", "", "หมวดแรก", "[๑] ภิกษุ ฟังธรรม", "สติ ปัญญา",
                                    "[๒] ภิกษุ รักษาศีล", "ศีล สมาธิ", "หมวดสอง", "[๔] ภิกษุ เจริญภาวนา",
                                    "@ตัวอย่าง", "ท้ายเล่ม"}));
  LineList contents;
  ASSERT_TRUE(LoadTipitakaContents(2, contents));
  EXPECT_EQ(contents.lines, Cp874Lines({"หมวดแรก", "หมวดสอง"}));
  EXPECT_EQ(TipitakaContentsLine(2, 0), 2);
  EXPECT_EQ(TipitakaContentsLine(2, 1), 7);
  EXPECT_EQ(TipitakaPageOfLine(2, 5), 0);
  EXPECT_EQ(TipitakaPageOfLine(2, 6), 1);
  EXPECT_EQ(TipitakaPageFirstLine(2, 2), 6);
  EXPECT_EQ(TipitakaItemOfLine(2, 4), 1);
  EXPECT_EQ(TipitakaItemOfLine(2, 7), 2);
  EXPECT_EQ(TipitakaItemOfLine(2, 10), 4);
  EXPECT_EQ(TipitakaItemLines(2, 2), Pair(5, 7));
  EXPECT_EQ(TipitakaItemLines(2, 3), 0u);
  // A volume without a source is absent: it loads empty.
  text.lines = {"stale"};
  EXPECT_TRUE(LoadTipitakaText(1, text));
  EXPECT_TRUE(text.lines.empty());
  EXPECT_EQ(SplitLines(ReadWholeFile(lib + "bible/tripi.lst"))[1], "Tipitaka 2");
}

TEST_F(CompiledSample, AtthakathaAndLinksReadBack) {
  SetAtthakathaFolder(lib + "bible/");
  EXPECT_EQ(AtthakathaPageOfLine(3, 3), 1);
  EXPECT_EQ(AtthakathaPageOfLine(3, 5), 2);
  EXPECT_EQ(AtthakathaPageFirstLine(3, 3), 4);
  EXPECT_EQ(AtthakathaPageHeader(3, 4), Cp874("อรรถกถา หน้า ๓"));
  EXPECT_EQ(AtthakathaContentsLine(3, 0), 2);
  SetLinkFolder(lib + "link/");
  EXPECT_EQ(TipitakaToAtthakatha(2, 1), Pair(3, 2));
  EXPECT_EQ(TipitakaToAtthakatha(2, 2), Pair(3, 3));
  EXPECT_EQ(TipitakaToAtthakatha(2, 4), 0u);
  EXPECT_EQ(AtthakathaToTipitaka(3, 2), Pair(2, 1));
  EXPECT_EQ(AtthakathaToTipitaka(3, 3), Pair(2, 2));
  EXPECT_EQ(AtthakathaToTipitaka(3, 1), 0u);
}

TEST_F(CompiledSample, OtherBooksReadBack) {
  SetMilindaFolder(lib + "others/");
  LineList lines;
  ASSERT_TRUE(LoadMilindaContents(lines));
  EXPECT_EQ(lines.lines, Cp874Lines({"ปัญหาที่หนึ่ง"}));
  EXPECT_EQ(MilindaContentsLine(0), 1);

  SetVisuddhiFolder(lib + "others/");
  int first = 0, last = 0;
  VisuddhiPageLines(1, 2, first, last);
  EXPECT_EQ(std::make_pair(first, last), std::make_pair(2, 3));
  EXPECT_EQ(VisuddhiPageHeader(1, 3), Cp874("หัว ๒"));
  EXPECT_EQ(VisuddhiContentsLine(1, 0), 2);
  ASSERT_TRUE(LoadVisuddhiText(0, lines));
  EXPECT_TRUE(lines.lines.empty());

  SetEncyclopediaFolder(lib + "others/");
  ASSERT_TRUE(LoadEncyclopediaIndex(lines));
  EXPECT_EQ(lines.lines, Cp874Lines({"กรรม", "ศีล"}));
  ASSERT_TRUE(LoadEncyclopediaArticle(1, lines));
  EXPECT_EQ(lines.lines, Cp874Lines({"ความประพฤติดี", "บรรทัดสอง"}));

  std::string chant;
  EXPECT_GT(ExtractPakMember(ChantArchivePath(lib, 2), kChantBooks[2].member, chant), 0);
  EXPECT_EQ(chant, Cp874("ปาฏิโมกข์\r\nนโม ตสฺส ภควโต\r\n"));
  EXPECT_EQ(ExtractPakMember(ChantArchivePath(lib, 0), kChantBooks[0].member, chant), 0);
  EXPECT_EQ(SplitLines(ReadWholeFile(lib + "others/readmine.lst")).size(), 4u);
}

TEST_F(CompiledSample, SearchFindsEveryOccurrenceThroughTheIndex) {
  SearchState state;
  SearchRequest request;
  request.searchText = Cp874("ภิกษุ");
  const SearchRequestResult result = RunSearchRequest(state, lib, request);
  ASSERT_EQ(result.outcome, SearchOutcome::Found);
  const auto row = std::find(state.FoundWords.begin(), state.FoundWords.end(), request.searchText);
  ASSERT_NE(row, state.FoundWords.end());
  const int r = static_cast<int>(row - state.FoundWords.begin());
  EXPECT_EQ(state.FoundCounts[r], "3");
  state.ListWordVolumes(r);
  EXPECT_EQ(state.HitVolumes, std::vector<std::string>{"2"});
  state.ListWordItems(2);
  EXPECT_EQ(state.HitItems, (std::vector<std::string>{"1", "2", "4"}));
  EXPECT_EQ(mkdata::CheckLibrary(lib).problemCount, 0u);
}

TEST_F(CompiledSample, RecompilingReplacesTheOldLibraryWhole) {
  dir->Write("src/tipitaka/02.txt", std::string(kTipitakaVolume2) + "\nบรรทัดใหม่\n");
  mkdata::CompileLibrary(dir->Path("src"), dir->Path("lib"));
  SetTipitakaFolder(lib + "bible/");
  LineList text;
  ASSERT_TRUE(LoadTipitakaText(2, text));
  EXPECT_EQ(text.lines.back(), Cp874("บรรทัดใหม่"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir->Folder()), {}), 2);  // src and lib only
  dir->Write("src/tipitaka/02.txt", kTipitakaVolume2);
  mkdata::CompileLibrary(dir->Path("src"), dir->Path("lib"));
}

TEST(Corpus, SameSeedSameSourcesThatCompileClean) {
  TempDir dir;
  const std::vector<std::string> words = mkcorpus::ReadWordList(mkcorpus::kHunspellThaiWords);
  ASSERT_GT(words.size(), 10000u);
  const mkcorpus::CorpusOptions options{7, 0.003};
  mkcorpus::WriteCorpus(words, options, dir.Path("a"));
  mkcorpus::WriteCorpus(words, options, dir.Path("b"));
  for (const char* file : {"tipitaka/01.txt", "atthakatha/88.txt", "tipitaka/titles.lst"}) {
    EXPECT_EQ(ReadWholeFile(dir.Path("a/") + file), ReadWholeFile(dir.Path("b/") + file)) << file;
  }
  mkdata::CompileLibrary(dir.Path("a"), dir.Path("lib"));
  const mkdata::CheckResult check = mkdata::CheckLibrary(dir.Path("lib/"));
  EXPECT_EQ(check.problemCount, 0u) << (check.problems.empty() ? "" : check.problems[0]);
  SetLinkFolder(dir.Path("lib/link/"));
  EXPECT_NE(TipitakaToAtthakatha(1, 1), 0u);
  EXPECT_NE(AtthakathaToTipitaka(1, 1), 0u);
}

}  // namespace
