// The source folder of a library, read whole:
//
//   tipitaka/titles.lst      53 titles, one a line       -> bible/tripi.lst
//   tipitaka/01.txt … 53.txt Tipitaka volume files (absent: no text)
//   atthakatha/titles.lst    88 titles                   -> bible/atta.lst
//   atthakatha/01.txt … 88.txt
//   milinda.txt              the Milindapanha
//   visuddhi/titles.lst      6 titles                    -> others/wisut.lst
//   visuddhi/1.txt … 6.txt   the Visuddhimagga parts
//   encyclopedia.txt         "@headword TEXT" lines, each followed by its article
//   chants/titles.lst        4 titles                    -> others/readmine.lst
//   chants/1.txt … 4.txt     the chant books
//
// Every title list is required; every book file is optional.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "booksource.h"
#include "chantbooks.h"

namespace lomarin::mkdata {

constexpr size_t kMaxHeadwordBytes = 255;  // the encyclopedia compares in 256-byte buffers

struct Article {
  std::string headword;
  std::string text;  // code page 874, CR LF line ends
};

struct LibrarySource {
  std::vector<std::string> tipitakaTitles, atthakathaTitles, visuddhiTitles, chantTitles;
  std::vector<std::optional<BookText>> tipitaka;    // [volume − 1]
  std::vector<std::optional<BookText>> atthakatha;  // [volume − 1]
  std::optional<BookText> milinda;
  std::array<std::optional<BookText>, kVisuddhiPartCount> visuddhi;
  std::array<std::optional<BookText>, kChantBookCount> chants;
  std::vector<Article> encyclopedia;
};

// A title list of exactly `count` non-empty lines; `what` names one entry ("Tipitaka
// volume"). Raises SourceError for a missing or surplus title.
std::vector<std::string> ParseTitles(const SourceFile& file, int count, const std::string& what);

std::vector<Article> ParseEncyclopedia(const SourceFile& file);

// Reads and checks the whole folder, the books in parallel. Raises SourceError (file and
// line) or FileError for a title list that cannot be read.
LibrarySource ReadLibrarySource(const std::string& folder);

// Every link must land on a page or item that its target volume declares.
void CheckLinkTargets(const LibrarySource& library);

}  // namespace lomarin::mkdata
