// The other books in a small data folder, written with the store's writers, for the
// tests of their views and of the desktop's requests.
//
//   Milindapanha: 80 lines "มิลินท์ บรรทัด N", contents entries at lines 0, 30, 60.
//   Visuddhimagga parts 0 and 2: 60 lines each, contents entries at lines 5, 20, 40,
//     pages of lines 0-19, 20-39, 40-59 with running heads "หัวเรื่อง ๑" … "หัวเรื่อง ๓";
//     the other parts have no files.
//   Encyclopedia: the headwords of kHeadwords, article k begins with headword k.
//   Chant books: 0 and 2 hold 40 lines; the archive of 3 holds another member only; the
//     archive of 1 is missing.
#pragma once

#include <string>
#include <vector>

namespace lomarin::testing {

constexpr int kMilindaLines = 80;
constexpr int kChantLines = 40;

// UTF-8; "กรรมฐาน" stands before "กรรม", which it begins with.
extern const std::vector<std::string> kHeadwords;

void WriteOtherBooks(const std::string& dataFolder);

// Article k's text, code page 874.
std::string ArticleText(int k);

}  // namespace lomarin::testing
