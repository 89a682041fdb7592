#include <gtest/gtest.h>


#include "clirun.h"
#include "pakwriter.h"
#include "tempdir.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

using Result = lomarin::testing::CliResult;
using lomarin::testing::RunCli;

}  // namespace

TEST(CliExtract, ExitCodesAndOutput) {
  TempDir dir;
  const std::string archive = dir.Write("C.PAK", BuildPakArchive({
      {"\xCA\xC7\xB4\xC1\xB9\xB5\xEC,1-151.tx", "chant\r\nline"},
      {"EMPTY", ""},
  }));
  const struct {
    std::vector<std::string> args;
    int code;
    std::string out;
    std::string err;
  } cases[] = {
      {{"extract", archive, "สวดมนต์,1-151.tx"}, 0, "chant\r\nline", ""},
      {{"extract", archive, "EMPTY"}, 0, "", ""},
      {{"extract", archive, "ABSENT"}, 1, "", ""},
      {{"extract", dir.Path("NO.PAK"), "X"}, 2, "", "Cannot open file " + dir.Path("NO.PAK") + "\n"},
      {{"extract", archive}, 2, "", "usage: lomarin-cli extract ARCHIVE MEMBER\n"},
      {{"extract", archive, "\xC3\xA9"}, 2, "", ""},
      {{"frobnicate"}, 2, "", ""},
      {{"--data"}, 2, "", ""},
      {{}, 2, "", ""},
  };
  for (const auto& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_EQ(r.out, c.out);
    if (!c.err.empty()) {
      EXPECT_EQ(r.err, c.err);
    }
    if (c.code == 2) {
      EXPECT_FALSE(r.err.empty());
    }
  }
}
