#include <gtest/gtest.h>

#include <filesystem>

#include "bookwriters.h"
#include "clirun.h"
#include "tempdir.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

using Result = lomarin::testing::CliResult;

// A library with Tipitaka volume 1, Atthakatha volume 1, Visuddhimagga part 0 and links.
class CliStore : public ::testing::Test {
 protected:
  void SetUp() override {
    BookFiles volume;
    volume.text = JoinLines({"\xB9\xD0\xE2\xC1", "second"}) + "third";  // นะโม
    volume.contents = JoinLines({"one"});
    volume.contentsLines = {1};
    volume.pages = {{0, 0}, {1, 2}};
    volume.pageHeaders = JoinLines({"\xCB\xB9\xE9\xD2 1", "\xCB\xB9\xE9\xD2 2"});  // หน้า
    WriteTipitakaVolumes(dir.Path("lib/bible/"), {{1, volume}});
    WriteAtthakathaVolumes(dir.Path("lib/bible/"), {{1, volume}});
    WriteTipitakaItems(dir.Path("lib/bible/"), {{1, {{1, 2}}}});
    WriteVisuddhiPart(dir.Path("lib/others/"), 0, volume);
    WriteLinkTables(dir.Path("lib/link/"), {{1, {{1, 2}}}}, {{1, {{0, 0}, {1, 1}}}});
  }

  Result Run(std::vector<std::string> args, const std::string& folder) const {
    args.insert(args.begin(), {"--data", folder, "store"});
    return lomarin::testing::RunCli(args);
  }

  TempDir dir;
  const std::string library = dir.Path("lib");
};

}  // namespace

TEST_F(CliStore, AnswersInTheirFormats) {
  const struct {
    std::vector<std::string> args;
    int code;
    std::string out;
  } cases[] = {
      {{"TipitakaContentsLine", "1", "0"}, 0, "1\n"},
      {{"TipitakaContentsLine", "1", "9"}, 0, "0\n"},  // outside the table
      {{"TipitakaPageOfLine", "1", "2"}, 0, "1\n"},
      {{"TipitakaPageFirstLine", "1", "2"}, 0, "1\n"},
      {{"TipitakaItemOfLine", "1", "2"}, 0, "1\n"},
      {{"TipitakaItemLines", "1", "1"}, 0, "1 2\n"},
      {{"AtthakathaPageOfLine", "1", "0"}, 0, "1\n"},
      {{"AtthakathaPageHeader", "1", "0"}, 0, "หน้า 2\n"},
      {{"VisuddhiPageOfLine", "256", "1"}, 0, "1\n"},  // part 256 is part 0
      {{"VisuddhiPageLines", "0", "2"}, 0, "1 2\n"},
      {{"VisuddhiPageLines", "0", "0"}, 0, "0 0\n"},
      {{"VisuddhiPageHeader", "0", "0"}, 0, "หน้า 1\n"},
      {{"VisuddhiContentsLine", "0", "-1"}, 0, "1\n"},
      {{"TipitakaToAtthakatha", "1", "1"}, 0, "1 2\n"},
      {{"TipitakaToAtthakatha", "1", "0"}, 0, "0 0\n"},
      {{"AtthakathaToTipitaka", "1", "2"}, 0, "1 1\n"},
      {{"LoadTipitakaText", "1"}, 0, "นะโม\nsecond\nthird\n"},
      {{"LoadAtthakathaContents", "1"}, 0, "one\n"},
      {{"LoadVisuddhiText", "0"}, 0, "นะโม\nsecond\nthird\n"},
      {{"LoadTipitakaText", "2"}, 0, ""},               // absent member: empty, true
      {{"LoadVisuddhiText", "6"}, 1, ""},
      {{"LoadMilindaText"}, 1, ""},                     // no Milindapanha in this library
      {{"LoadEncyclopediaArticle", "0"}, 1, ""},
  };
  for (const auto& c : cases) {
    const Result r = Run(c.args, library);
    EXPECT_EQ(r.code, c.code) << c.args[0] << " " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args[0];
  }
}

TEST_F(CliStore, ErrorsExitTwoWithTheirMessage) {
  const std::string data = dir.Path("empty");  // given without the final "/"
  const struct {
    std::vector<std::string> args;
    std::string err;
  } cases[] = {
      {{"TipitakaItemOfLine", "1", "0"}, "Cannot open file " + data + "/bible/TPNDB.PAK\n"},
      {{"MilindaContentsLine", "0"}, "Cannot open file " + data + "/others/MILIN.TDB\n"},
      {{"AtthakathaToTipitaka", "1", "1"}, "Cannot open file " + data + "/link/AT.LNK\n"},
      {{"TipitakaPageOfLine", "1"}, "usage: lomarin-cli store TipitakaPageOfLine V L\n"},
      {{"LoadMilindaText", "1"}, "usage: lomarin-cli store LoadMilindaText\n"},
      {{"TipitakaPageOfLine", "1", "x"}, "not an integer: x\n"},
      {{"NoSuchOperation"}, "unknown store operation NoSuchOperation\n"},
      {{}, "usage: lomarin-cli store OPERATION ARG...\n"},
  };
  for (const auto& c : cases) {
    const Result r = Run(c.args, data);
    EXPECT_EQ(r.code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.err);
  }
}
