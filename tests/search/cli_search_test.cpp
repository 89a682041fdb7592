#include <gtest/gtest.h>

#include <filesystem>

#include "clirun.h"
#include "fixture.h"

using namespace lomarin;
using lomarin::testing::FixtureLibrary;

namespace {

using Result = lomarin::testing::CliResult;
using lomarin::testing::RunCli;

class CliSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    // "ธรรม" twice in volume 34 (item 17), once in volume 3 (item 0), and in a phrase of volume 5.
    library.Write({{3, "\xB8\xC3\xC3\xC1 x", {{0, 0, 5}}},
                   {5, "a\"b c", {}},
                   {34, "y \xB8\xC3\xC3\xC1\r\n\xB8\xC3\xC3\xC1", {{16, 0, 1}, {17, 2, 11}}}});
  }
  std::vector<std::string> Args(std::vector<std::string> rest) {
    std::vector<std::string> args = {"--data", library.DataFolder(), "search"};
    args.insert(args.end(), rest.begin(), rest.end());
    return args;
  }
  FixtureLibrary library;
};

}  // namespace

TEST_F(CliSearch, JsonListsRowsVolumesItemsAndHits) {
  const Result r = RunCli(Args({"--json", "ธรรม"}));
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"status\":\"ok\",\"message\":\"\",\"mode\":\"single\",\"table\":\"" + library.SearchFolder() +
                "STAB.TMP\",\"rows\":[{\"text\":\"ธรรม\",\"bytes\":\"b8c3c3c1\",\"count\":3,\"offset\":0,\"volumes\":["
                "{\"volume\":3,\"label\":\"3\",\"count\":1,\"items\":[{\"number\":0,\"count\":1,\"hits\":[0]}]},"
                "{\"volume\":34,\"label\":\"33.2\",\"count\":2,\"items\":[{\"number\":17,\"count\":2,\"hits\":[2,8]}]}]}]}\n");
  // A quotation mark in a row text is escaped.
  const Result quoted = RunCli(Args({"--json", "--volume", "5", "a\"b"}));
  EXPECT_EQ(quoted.code, 0) << quoted.err;
  EXPECT_NE(quoted.out.find("\"text\":\"a\\\"b\",\"bytes\":\"612262\""), std::string::npos) << quoted.out;
}

TEST_F(CliSearch, RefusalsErrorsAndExitCodes) {
  const Result refused = RunCli(Args({"--json", "ธ*รรม"}));
  EXPECT_EQ(refused.code, 1);
  EXPECT_EQ(refused.out, "{\"status\":\"refused\",\"message\":\"ใช้กฎการค้นหาไม่ถูกต้อง.\",\"mode\":\"\",\"table\":\"\",\"rows\":[]}\n");
  const Result notFound = RunCli(Args({"--json", "--together", "ธรรม zzz"}));
  EXPECT_EQ(notFound.code, 1);
  EXPECT_EQ(notFound.out, "{\"status\":\"notfound\",\"message\":\"ไม่พบคำ \\\"ธรรม zzz\\\"\",\"mode\":\"together\",\"table\":\"" +
                              library.SearchFolder() + "SSTAB.TMP\",\"rows\":[]}\n");
  const Result listing = RunCli(Args({"ธรรม"}));
  EXPECT_EQ(listing.code, 0);
  EXPECT_EQ(listing.out,
            "ธรรม\t3\n  volume 3 (file 3)\t1\n    item 0\t1\t0\n  volume 33.2 (file 34)\t2\n    item 17\t2\t2 8\n");
  const struct {
    std::vector<std::string> args;
  } errors[] = {{{"--volume", "54", "x"}}, {{"--atthakatha", "--volume", "0", "x"}}, {{"--volume", "x", "y"}},
                {{"a", "b"}},              {{"--frobnicate", "x"}},                  {{}}};
  for (const auto& e : errors) {
    const Result r = RunCli(Args(e.args));
    EXPECT_EQ(r.code, 2);
    EXPECT_FALSE(r.err.empty());
  }
  std::filesystem::remove(library.SearchFolder() + "DIC.SDB");
  const Result missing = RunCli(Args({"xy"}));
  EXPECT_EQ(missing.code, 2);
  EXPECT_EQ(missing.err, "Cannot open file " + library.SearchFolder() + "DIC.SDB\n");
}
