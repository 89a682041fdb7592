#include "otherbooksfixture.h"

#include "bookwriters.h"
#include "fixturelibrary.h"
#include "pakwriter.h"
#include "thaidigits.h"

namespace lomarin::testing {

const std::vector<std::string> kHeadwords = {"กรรมฐาน", "กรรม", "กาม",   "ขันธ์",   "จิต",
                                             "ญาณ",    "ตัณหา", "ทุกข์", "ธรรม", "นิพพาน"};

namespace {

std::vector<std::string> NumberedLines(const std::string& stem, int count) {
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) lines.push_back(Cp874(stem) + ThaiDigits(i));
  return lines;
}

}  // namespace

std::string ArticleText(int k) {
  return JoinLines({Cp874(kHeadwords[static_cast<size_t>(k)]) + Cp874(" คือ คำอธิบายข้อธรรม"),
                    Cp874("บรรทัดที่สองของบทความ")});
}

void WriteOtherBooks(const std::string& dataFolder) {
  const std::string others = dataFolder + "others/";

  BookFiles milinda;
  milinda.text = JoinLines(NumberedLines("มิลินท์ บรรทัด ", kMilindaLines));
  milinda.contents = JoinLines({Cp874("ปุจฉา ๑"), Cp874("ปุจฉา ๒"), Cp874("ปุจฉา ๓")});
  milinda.contentsLines = {0, 30, 60};
  WriteMilinda(others, milinda);

  BookFiles part;
  part.text = JoinLines(NumberedLines("วิสุทธิ บรรทัด ", 60));
  part.contents = JoinLines({Cp874("นิทานกถา"), Cp874("ศีลนิเทศ"), Cp874("ธุดงคนิเทศ")});
  part.contentsLines = {5, 20, 40};
  part.pages = {{0, 19}, {20, 39}, {40, 59}};
  part.pageHeaders = JoinLines({Cp874("หัวเรื่อง ๑"), Cp874("หัวเรื่อง ๒"), Cp874("หัวเรื่อง ๓")});
  WriteVisuddhiPart(others, 0, part);
  WriteVisuddhiPart(others, 2, part);

  std::string headwords;
  std::vector<std::string> articles;
  for (size_t k = 0; k < kHeadwords.size(); ++k) {
    headwords += Cp874(kHeadwords[k]) + "\r\n";
    articles.push_back(ArticleText(static_cast<int>(k)));
  }
  WriteEncyclopedia(others, headwords, articles);

  const std::string chant = JoinLines(NumberedLines("นะโม ตัสสะ ", kChantLines));
  WriteChantBook(others, 0, chant);
  WriteChantBook(others, 2, chant);
  WritePakArchive(others + "auppa.pak", {{"OTHER.TXT", chant}});
}

}  // namespace lomarin::testing
