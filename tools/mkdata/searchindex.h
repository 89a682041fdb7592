// The search index of a library in memory, ready for the index writers: the word list
// shared by both collections (sorted by bytes), every word's hits per collection, and
// each volume's position table.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "booksource.h"
#include "indexformat.h"
#include "librarysource.h"

namespace lomarin::mkdata {

struct CollectionIndex {
  std::vector<std::vector<HitRecord>> hitsPerWord;       // [word number]
  std::vector<std::vector<PositionRecord>> positions;    // [volume − 1]
  std::array<int32_t, 256> byteCounts{};
};

struct SearchIndex {
  std::vector<std::string> words;
  CollectionIndex tipitaka, atthakatha;
};

// Records that cover every byte of the book's text in order: one per item (numbered
// by the item) or page (by the page), and a record numbered 0 for a stretch outside any.
std::vector<PositionRecord> BuildPositionTable(const BookText& book, const std::vector<LineRange>& ranges);

// Cuts every Tipitaka and Atthakatha volume into words, volumes in parallel.
SearchIndex BuildSearchIndex(const LibrarySource& library);

}  // namespace lomarin::mkdata
