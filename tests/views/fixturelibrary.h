// A small data folder written with the store's writers, for the desktop and reader tests.
//
//   bible/tripi.lst  12 titles "ไตรปิฎก เล่ม ๑" …; bible/atta.lst 3 titles "อรรถกถา เล่ม ๑" ….
//   Tipitaka volumes 1, 3 and 11: 60 lines "บรรทัดที่ N ..." each, pages of lines 0-19,
//     20-39, 40-59 (volume 3: page 1 has first line -1), contents entries at lines 0, 20,
//     40; items 1 = lines 1-10, 2 = 11-25, 12 = 30-45, every other slot unused.
//   Atthakatha volume 1: the same lines and pages, page headers "หัวหน้า ๑" … "หัวหน้า ๓".
//   Links: Tipitaka 1 item 2 <-> Atthakatha 1 page 2; nothing else.
#pragma once

#include <string>

namespace lomarin::testing {

constexpr int kFixtureLines = 60;

// Writes the library into `dataFolder` (ending in "/").
void WriteFixtureLibrary(const std::string& dataFolder);

// Line `n` of every fixture volume, code page 874 without its line end.
std::string FixtureLine(int n);

// Text in UTF-8 source form as code page 874.
std::string Cp874(const std::string& utf8);

}  // namespace lomarin::testing
