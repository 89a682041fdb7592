// A small library source written for the compiler tests: Tipitaka volume 2 and
// Atthakatha volume 3 with pages, items, contents headings and links both ways, the
// Milindapanha, Visuddhimagga part 1 ("SIL2"), chant book 2 and two encyclopedia
// articles. Sources are UTF-8; the expectations below are in code page 874.
#pragma once

#include <string>

#include "cp874.h"
#include "tempdir.h"

namespace lomarin::testing {

inline std::string Cp874(const std::string& utf8) {
  std::string bytes;
  Utf8ToCp874(utf8, bytes);
  return bytes;
}

inline std::string TitleList(const char* prefix, int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += std::string(prefix) + " " + std::to_string(i) + "\n";
  return text;
}

// Text lines of Tipitaka volume 2: pages 1 (lines 0–5) and 2 (6–10); items 1 (3–4),
// 2 (5–7) and 4 (8–10); contents at lines 2 and 7; item 1 -> Atthakatha 3 page 2,
// item 2 -> page 3. "ภิกษุ" stands alone three times.
inline constexpr const char* kTipitakaVolume2 =
    "@page 1\n"
    "พระไตรปิฎก เล่ม ๒\n"
    "\n"
    "@heading หมวดแรก\n"
    "@item 1\n"
    "@link 3 2\n"
    "[๑] ภิกษุ ฟังธรรม\n"
    "สติ ปัญญา\n"
    "@item 2\n"
    "@link 3 3\n"
    "[๒] ภิกษุ รักษาศีล\n"
    "@page 2\n"
    "ศีล สมาธิ\n"
    "@heading หมวดสอง\n"
    "@item 4\n"
    "[๔] ภิกษุ เจริญภาวนา\r\n"
    "@@ตัวอย่าง\n"
    "@# a comment, not a line\n"
    "ท้ายเล่ม";

// Atthakatha volume 3: pages 1 (lines 0–1), 2 (2–3) and 3 (4–5) with running heads;
// page 2 -> Tipitaka 2 item 1, page 3 -> item 2; contents at line 2.
inline constexpr const char* kAtthakathaVolume3 =
    "@page 1 อรรถกถา หน้า ๑\n"
    "อรรถกถา เล่ม ๓\n"
    "\n"
    "@page 2 อรรถกถา หน้า ๒\n"
    "@link 2 1\n"
    "@heading อธิบายข้อ ๑\n"
    "คำว่า ภิกษุ\n"
    "@page 3 อรรถกถา หน้า ๓\n"
    "@link 2 2\n"
    "อธิบายข้อ ๒\n"
    "จบ\n";

inline void WriteSampleSource(const TempDir& dir, const std::string& root = "src/") {
  dir.Write(root + "tipitaka/titles.lst", TitleList("Tipitaka", 53));
  dir.Write(root + "atthakatha/titles.lst", TitleList("Atthakatha", 88));
  dir.Write(root + "visuddhi/titles.lst", TitleList("Visuddhi", 6));
  dir.Write(root + "chants/titles.lst", TitleList("Chant", 4));
  dir.Write(root + "tipitaka/02.txt", kTipitakaVolume2);
  dir.Write(root + "atthakatha/03.txt", kAtthakathaVolume3);
  dir.Write(root + "milinda.txt", "มิลินทปัญหา\n@heading ปัญหาที่หนึ่ง\nพระราชาตรัสถาม\n");
  dir.Write(root + "visuddhi/2.txt",
            "@page 1 หัว ๑\nวิสุทธิมรรค\nบรรทัดสอง\n@page 2 หัว ๒\n@heading ตอนที่สอง\nบรรทัดสี่\n");
  dir.Write(root + "chants/3.txt", "ปาฏิโมกข์\nนโม ตสฺส ภควโต\n");
  dir.Write(root + "encyclopedia.txt", "@headword กรรม\nการกระทำ\n@headword ศีล\nความประพฤติดี\nบรรทัดสอง\n");
}

}  // namespace lomarin::testing
