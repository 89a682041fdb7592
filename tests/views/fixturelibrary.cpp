#include "fixturelibrary.h"

#include <filesystem>
#include <map>
#include <vector>

#include "bookwriters.h"
#include "cp874.h"
#include "fileio.h"
#include "thaidigits.h"

namespace lomarin::testing {

std::string Cp874(const std::string& utf8) {
  std::string bytes;
  Utf8ToCp874(utf8, bytes);
  return bytes;
}

std::string FixtureLine(int n) { return Cp874("บรรทัดที่ ") + ThaiDigits(n) + Cp874(" ธรรมะเป็นที่พึ่ง ผู้ใฝ่รู้ย่อมได้ปัญญา"); }

namespace {

std::vector<std::string> Titles(const std::string& stem, int count) {
  std::vector<std::string> titles;
  for (int i = 1; i <= count; ++i) titles.push_back(Cp874(stem) + ThaiDigits(i));
  return titles;
}

BookFiles Volume(bool negativeFirstPage) {
  BookFiles book;
  std::vector<std::string> lines;
  for (int i = 0; i < kFixtureLines; ++i) lines.push_back(FixtureLine(i));
  book.text = JoinLines(lines);
  book.contents = JoinLines({Cp874("ต้นเล่ม"), Cp874("กลางเล่ม"), Cp874("ท้ายเล่ม")});
  book.contentsLines = {0, 20, 40};
  book.pages = {{negativeFirstPage ? -1 : 0, 19}, {20, 39}, {40, 59}};
  book.pageHeaders = JoinLines({Cp874("หัวหน้า ๑"), Cp874("หัวหน้า ๒"), Cp874("หัวหน้า ๓")});
  return book;
}

}  // namespace

void WriteFixtureLibrary(const std::string& dataFolder) {
  const std::string bible = dataFolder + "bible/";
  std::filesystem::create_directories(bible);
  WriteFileAtomically(bible + "tripi.lst", JoinLines(Titles("ไตรปิฎก เล่ม ", 12)));
  WriteFileAtomically(bible + "atta.lst", JoinLines(Titles("อรรถกถา เล่ม ", 3)));
  WriteTipitakaVolumes(bible, {{1, Volume(false)}, {3, Volume(true)}, {11, Volume(false)}});
  std::vector<ItemRange> items(12);
  items[0] = {1, 10};
  items[1] = {11, 25};
  items[11] = {30, 45};
  WriteTipitakaItems(bible, {{1, items}, {3, items}, {11, items}});
  WriteAtthakathaVolumes(bible, {{1, Volume(false)}});
  WriteLinkTables(dataFolder + "link/", {{1, {{}, {1, 2}}}}, {{1, {{}, {1, 2}}}});
}

}  // namespace lomarin::testing
