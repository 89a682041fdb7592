#include <set>
#include <gtest/gtest.h>

#include "datafolder.h"

using namespace lomarin;

TEST(DataFolder, ResolvesInOrderOfPrecedence) {
  const auto folders = [](std::set<std::string> present) {
    return [present](const std::string& p) { return present.count(p) > 0; };
  };
  const struct {
    std::optional<std::string> option, environment;
    std::set<std::string> present;
    std::string expected;
  } cases[] = {
      {"/lib", "/env", {"/exe/bible"}, "/lib/"},
      {"rel/", std::nullopt, {}, "rel/"},
      {std::nullopt, "/env", {"/exe/bible"}, "/env/"},
      {std::nullopt, std::nullopt, {"/exe/bible"}, "/exe/"},
      {std::nullopt, std::nullopt, {}, "/sample/"},
      {"", "", {}, "/sample/"},
  };
  for (const auto& c : cases) {
    DataFolderInputs in{c.option, c.environment, "/exe", "/sample", folders(c.present)};
    EXPECT_EQ(ResolveDataFolder(in), c.expected);
  }
}
