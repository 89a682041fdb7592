#include <gtest/gtest.h>

#include "cp874.h"
#include "textlines.h"
#include "thaicollation.h"
#include "thaidigits.h"

using namespace lomarin;

TEST(Cp874, EveryByteRoundTripsThroughOneUtf16Unit) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string wide = Cp874ToUtf16(all);
  ASSERT_EQ(wide.size(), 256u);
  std::string back;
  ASSERT_TRUE(Utf16ToCp874(wide, back));
  EXPECT_EQ(back, all);
  std::string viaUtf8;
  ASSERT_TRUE(Utf8ToCp874(Cp874ToUtf8(all), viaUtf8));
  EXPECT_EQ(viaUtf8, all);
}

TEST(Cp874, KnownCharactersAndPrivateUseForUndefinedBytes) {
  const struct {
    unsigned char byte;
    char16_t unit;
  } cases[] = {
      {0x41, u'A'},     {0xA1, 0x0E01},  // ko kai
      {0xDA, 0x0E3A},   {0xDF, 0x0E3F},  // phinthu, baht sign
      {0xF0, 0x0E50},   {0xFB, 0x0E5B},  // Thai zero, khomut
      {0x80, 0x20AC},   {0x96, 0x2013},  // euro, en dash
      {0xDB, 0xF7DB},   {0xFF, 0xF7FF},  // undefined: private use
      {0x81, 0xF781},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Cp874ToUnicode(c.byte), c.unit) << int(c.byte);
    unsigned char b = 0;
    EXPECT_TRUE(UnicodeToCp874(c.unit, b));
    EXPECT_EQ(b, c.byte);
  }
}

TEST(Cp874, TextOutsideTheCodePageIsRefused) {
  std::string out;
  EXPECT_FALSE(Utf8ToCp874("\xC3\xA9", out));          // é
  EXPECT_FALSE(Utf8ToCp874("\xF0\x9F\x98\x80", out));  // emoji
  EXPECT_FALSE(Utf8ToCp874("\xE0\xB8", out));          // truncated sequence
  EXPECT_FALSE(Utf8ToCp874("\xC0\x80", out));          // overlong NUL
  ASSERT_TRUE(Utf8ToCp874("ธรรม", out));
  EXPECT_EQ(out, "\xB8\xC3\xC3\xC1");
}

TEST(ThaiDigits, WritesAndReadsBack) {
  EXPECT_EQ(ThaiDigits(0), "\xF0");
  EXPECT_EQ(ThaiDigits(12), "\xF1\xF2");
  EXPECT_EQ(ThaiDigits(2600), "\xF2\xF6\xF0\xF0");
  EXPECT_EQ(ArabicDigits("\xF1\xF2"), "12");
  EXPECT_EQ(ArabicDigits(""), "");
  for (int n : {0, 7, 10, 999, 1300, 123456789}) EXPECT_EQ(ArabicDigits(ThaiDigits(n)), std::to_string(n));
}

TEST(TextLines, SplitAtCrLfOnly) {
  const struct {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\n\r\n", {"a", ""}},
      {"a\rb\nc\r\nd", {"a\rb\nc", "d"}},
      {"\r\n", {""}},
      {"x\r", {"x\r"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitLines(c.text), c.lines) << c.text;
}

TEST(ThaiCollation, DigitsBeforeThaiAndCaseRules) {
  std::string ka, kho;
  ASSERT_TRUE(Utf8ToCp874("กา", ka));
  ASSERT_TRUE(Utf8ToCp874("ขา", kho));
  EXPECT_LT(ThaiCompare("10|x", ka, CaseRule::Insensitive), 0);
  EXPECT_LT(ThaiCompare(ka, kho, CaseRule::Sensitive), 0);
  EXPECT_EQ(ThaiCompare("abc", "ABC", CaseRule::Insensitive), 0);
  EXPECT_NE(ThaiCompare("abc", "ABC", CaseRule::Sensitive), 0);
}
