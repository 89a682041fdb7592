// One book of a library source parsed: its text as the volume member stores it, and the
// pages, items, contents headings and links its directive lines declare.
//
// A line that begins with "@" is a directive, every other line is a text line:
//   @page N [HEAD]   page N begins at the next text line (HEAD: its running head)
//   @item N          item N begins at the next text line (Tipitaka)
//   @heading TEXT    TEXT is a text line and a contents entry that points at it
//   @link V N        the current item (page) explains / is explained by volume V, N
//   @# ...           a comment
//   @@...            a text line beginning with a single "@"
// A page or item runs to the line before the next one, the last to the end of the text.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bookfiles.h"
#include "indexformat.h"
#include "sourcetext.h"

namespace lomarin::mkdata {

enum class BookKind { Tipitaka, Atthakatha, Milinda, Visuddhi, Chant };

// Limits of the stored tables (item slots, link slots and position-table numbers are in
// bookfiles.h and indexformat.h).
constexpr int kMaxTextLines = 65535;  // 16-bit line numbers in the item and contents tables
constexpr int kMaxPage = 9999;        // the reader's four-digit page field

// A page or an item: its number and its text lines, both inclusive.
struct LineRange {
  int number = 0;
  int first = 0;
  int last = 0;
  std::string head;    // running head (Atthakatha and Visuddhimagga pages)
  int sourceLine = 0;  // where the directive stands
};

struct ContentsEntry {
  std::string text;
  int line = 0;
};

// A link from the item (Tipitaka) or page (Atthakatha) `from` to volume `volume`,
// page or item `target` of the other collection.
struct LinkSource {
  int from = 0;
  int volume = 0;
  int target = 0;
  int sourceLine = 0;
};

struct BookText {
  std::string path;
  std::string text;  // code page 874, every line ended by CR LF
  int lineCount = 0;
  std::vector<uint32_t> lineStarts;  // byte position of each text line
  std::vector<LineRange> pages;      // ascending numbers
  std::vector<LineRange> items;      // ascending numbers
  std::vector<ContentsEntry> contents;
  std::vector<LinkSource> links;

  const LineRange* FindPage(int number) const;
  const LineRange* FindItem(int number) const;
};

// Parses a book of the given kind. Raises SourceError naming the file and line of the
// first fault.
BookText ParseBook(const SourceFile& file, BookKind kind);

}  // namespace lomarin::mkdata
