// A small data folder for the search dialog, the results reader and the comparison:
// book files and the search index over the same texts.
//
//   Tipitaka volume 1: 40 lines; pages and items 1-4 of 10 lines each (lines 0-9, …;
//     the item table starts item 1 at line 1);
//     "นิพพาน" on lines 2 | 11, 14, 17 | 31, 35: items 1, 2, 4 hold 1, 3, 2 hits.
//   Tipitaka volume 2: 20 lines; items 1-2 of 10 lines; "นิพพาน" on lines 5 and 15,
//     "นิพัทธ์" on line 8.
//   Atthakatha volume 1: 40 lines, pages of 10 lines with headers; "นิพพาน" on line 25.
//   Every line reads "บรรทัด N ธรรมะ ปัญญา" with those words put in after "บรรทัด N".
//   Links: Tipitaka 1 item 2 <-> Atthakatha 1 page 3 (lines 20-29); Tipitaka 1 item 4
//     -> Atthakatha 1 page 99 (outside its page table); Tipitaka 2 item 1 -> Atthakatha
//     volume 90 (outside the collection).
#pragma once

#include <string>

namespace lomarin::testing {

void WriteSearchLibrary(const std::string& dataFolder);

// Line `n` of a volume of the library, code page 874 without its line end.
std::string SearchLibraryLine(int volumeKey, int n);

// Volume keys of SearchLibraryLine.
constexpr int kTipitaka1 = 1;
constexpr int kTipitaka2 = 2;
constexpr int kAtthakatha1 = 101;

}  // namespace lomarin::testing
