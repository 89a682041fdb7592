#include <gtest/gtest.h>

#include "coding.h"
#include "fileerror.h"
#include "lzo.h"
#include "pakwriter.h"
#include "tempdir.h"
#include "uunpak.h"

using namespace lomarin;
using lomarin::testing::TempDir;

namespace {

// "สวดมนต์,1-151.tx": a chant member name of exactly 16 code page 874 bytes.
const std::string kSixteen = "\xCA\xC7\xB4\xC1\xB9\xB5\xEC,1-151.tx";

std::string Extract(const std::string& archive, const std::string& name, std::string out = "keep") {
  const MemorySource source(archive, "test.pak");
  ReadPakMember(source, name, out);
  return out;
}

void SetField(std::string& archive, size_t offset, int32_t value) {
  std::string field;
  PutFixed32(field, static_cast<uint32_t>(value));
  archive.replace(offset, 4, field);
}

}  // namespace

TEST(ExtractPakMember, FindsMembersByExactName) {
  ASSERT_EQ(kSixteen.size(), 16u);
  const std::string archive = BuildPakArchive({
      {"TDAT01.DAT", "first"},
      {kSixteen, "chant text"},
      {"TDAT01.DAT", "duplicate"},
      {"EMPTY", ""},
  });
  const struct {
    std::string name;
    std::string expected;
  } cases[] = {
      {"TDAT01.DAT", "first"},       // first of two equal names wins
      {kSixteen, "chant text"},      // 16-byte name field without NUL
      {"tdat01.dat", "keep"},        // case differs: absent, out untouched
      {"TDAT01.DA", "keep"},         // prefix is not a match
      {kSixteen + "x", "keep"},      // longer than the field
      {"EMPTY", ""},                 // present and empty
  };
  for (const auto& c : cases) EXPECT_EQ(Extract(archive, c.name), c.expected) << c.name;
}

TEST(ExtractPakMember, ZeroCountAndZeroOffset) {
  EXPECT_EQ(Extract(BuildPakArchive({}), "ANY"), "keep");
  // BuildPakArchive places the first member at data offset 0, right after the directory.
  const std::string archive = BuildPakArchive({{"A", "alpha"}});
  EXPECT_EQ(DecodeSigned32(archive.data() + 8 + 16), 0);
  EXPECT_EQ(Extract(archive, "A"), "alpha");
}

TEST(ExtractPakMember, FileInterfaceAnswersSizeOrZero) {
  TempDir dir;
  const std::string path = dir.Write("T.PAK", BuildPakArchive({{"M", std::string(5000, 'x')}}));
  std::string out = "unchanged";
  EXPECT_EQ(ExtractPakMember(path, "M", out), 5000);
  EXPECT_EQ(out, std::string(5000, 'x'));
  out = "unchanged";
  EXPECT_EQ(ExtractPakMember(path, "N", out), 0);
  EXPECT_EQ(out, "unchanged");
}

TEST(ExtractPakMember, MissingArchiveRaisesCannotOpen) {
  std::string out = "unchanged";
  try {
    ExtractPakMember("/nonexistent/TPDAT.PAK", "TDAT01.DAT", out);
    FAIL() << "no error";
  } catch (const FileError& e) {
    EXPECT_STREQ(e.what(), "Cannot open file /nonexistent/TPDAT.PAK");
  }
  EXPECT_EQ(out, "unchanged");
}

TEST(ExtractPakMember, DamagedArchivesRaiseNamedErrors) {
  const std::string good = BuildPakArchive({{"A", std::string(3000, 'a') + "tail"}, {"B", "bee"}});
  const size_t entryA = 8, entryB = 8 + 28;
  const struct {
    const char* what;
    std::function<void(std::string&)> damage;
    const char* message;
  } cases[] = {
      {"short header", [](std::string& a) { a.resize(5); }, "header is truncated"},
      {"negative count", [](std::string& a) { SetField(a, 0, -1); }, "negative member count"},
      {"directory past end", [](std::string& a) { SetField(a, 0, 1000); }, "runs past the end"},
      {"offset past end", [&](std::string& a) { SetField(a, entryA + 16, 1 << 30); }, "outside the file"},
      {"negative offset", [&](std::string& a) { SetField(a, entryA + 16, -4); }, "outside the file"},
      {"packed past end", [&](std::string& a) { SetField(a, entryA + 20, 1 << 20); }, "outside the file"},
      {"negative packed", [&](std::string& a) { SetField(a, entryA + 20, -1); }, "outside the file"},
      {"huge unpacked", [&](std::string& a) { SetField(a, entryA + 24, 0x7fffffff); }, "out of range"},
      {"more than the packed bytes can hold", [&](std::string& a) { SetField(a, entryA + 24, 1 << 24); },
       "out of range"},
      {"negative unpacked", [&](std::string& a) { SetField(a, entryA + 24, -7); }, "out of range"},
      {"unpacked too big", [&](std::string& a) { SetField(a, entryA + 24, 3005); }, "does not decompress"},
      {"unpacked too small", [&](std::string& a) { SetField(a, entryA + 24, 100); }, "does not decompress"},
      {"garbage data", [&](std::string& a) { a.replace(8 + 2 * 28, 8, "\xff\xff\xff\xff\xff\xff\xff\xff"); },
       "does not decompress"},
      {"truncated data", [&](std::string& a) { a.resize(a.size() - 4); (void)entryB; }, "outside the file"},
  };
  for (const auto& c : cases) {
    std::string archive = good;
    c.damage(archive);
    std::string out = "unchanged";
    const MemorySource source(archive, "X.PAK");
    try {
      // Member B lies at the end of the data area, so truncation hits it.
      ReadPakMember(source, std::string(c.what) == "truncated data" ? "B" : "A", out);
      ADD_FAILURE() << c.what << ": no error";
    } catch (const FileError& e) {
      EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << c.what << ": " << e.what();
      EXPECT_NE(std::string(e.what()).find("X.PAK"), std::string::npos) << c.what;
    }
    EXPECT_EQ(out, "unchanged") << c.what;
  }
}

TEST(PakWriter, RefusesNamesLongerThanSixteenBytes) {
  EXPECT_THROW(BuildPakArchive({{kSixteen + "!", "x"}}), std::invalid_argument);
}

TEST(Lzo, RoundTripsAndRejectsWrongSizes) {
  const std::string text(100000, '\xA1');
  const std::string packed = LzoCompress(text);
  std::string out(text.size(), '\0');
  EXPECT_TRUE(LzoDecompress(packed.data(), packed.size(), out.data(), out.size()));
  EXPECT_EQ(out, text);
  std::string shorter(text.size() - 1, '\0');
  EXPECT_FALSE(LzoDecompress(packed.data(), packed.size(), shorter.data(), shorter.size()));
  std::string longer(text.size() + 1, '\0');
  EXPECT_FALSE(LzoDecompress(packed.data(), packed.size(), longer.data(), longer.size()));
}
