#include "librarywriter.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>

#include "bookwriters.h"
#include "fileerror.h"
#include "fileio.h"
#include "indexwriter.h"
#include "pakwriter.h"
#include "parallel.h"
#include "searchindex.h"

namespace lomarin::mkdata {
namespace {

namespace fs = std::filesystem;

// The page table of a book: record p − 1 for page p, an empty slot for a number skipped.
std::vector<PageRange> PageTable(const BookText& book) {
  std::vector<PageRange> pages(book.pages.empty() ? 0 : book.pages.back().number);
  for (const LineRange& p : book.pages) pages[p.number - 1] = {p.first, p.last};
  return pages;
}

std::string PageHeaders(const BookText& book) {
  std::vector<std::string> heads(book.pages.empty() ? 0 : book.pages.back().number);
  for (const LineRange& p : book.pages) heads[p.number - 1] = p.head;
  return JoinLines(heads);
}

// The text moves into the files: the compiler holds each text once.
BookFiles FilesOf(BookText& book) {
  BookFiles files;
  files.text = std::move(book.text);
  std::vector<std::string> contents;
  for (const ContentsEntry& e : book.contents) {
    contents.push_back(e.text);
    files.contentsLines.push_back(static_cast<uint16_t>(e.line));
  }
  files.contents = JoinLines(contents);
  files.pages = PageTable(book);
  files.pageHeaders = PageHeaders(book);
  return files;
}

std::map<int, BookFiles> VolumeFiles(std::vector<std::optional<BookText>>& books) {
  std::map<int, BookFiles> volumes;
  for (size_t v = 0; v < books.size(); ++v) {
    if (books[v]) volumes.emplace(static_cast<int>(v + 1), FilesOf(*books[v]));
  }
  return volumes;
}

std::map<int, std::vector<ItemRange>> ItemTables(const std::vector<std::optional<BookText>>& books) {
  std::map<int, std::vector<ItemRange>> tables;
  for (size_t v = 0; v < books.size(); ++v) {
    if (!books[v] || books[v]->items.empty()) continue;
    std::vector<ItemRange>& slots = tables[static_cast<int>(v + 1)];
    slots.resize(books[v]->items.back().number);
    for (const LineRange& item : books[v]->items) {
      slots[item.number - 1] = {static_cast<uint16_t>(item.first), static_cast<uint16_t>(item.last)};
    }
  }
  return tables;
}

std::map<int, std::vector<LinkTarget>> LinkTables(const std::vector<std::optional<BookText>>& books) {
  std::map<int, std::vector<LinkTarget>> tables;
  for (size_t v = 0; v < books.size(); ++v) {
    if (!books[v] || books[v]->links.empty()) continue;
    std::vector<LinkTarget>& slots = tables[static_cast<int>(v + 1)];
    slots.resize(books[v]->links.back().from);
    for (const LinkSource& link : books[v]->links) {
      slots[link.from - 1] = {static_cast<uint16_t>(link.volume), static_cast<uint16_t>(link.target)};
    }
  }
  return tables;
}

void WriteOtherBooks(LibrarySource& lib, const std::string& others) {
  WriteMilinda(others, lib.milinda ? FilesOf(*lib.milinda) : BookFiles{});
  for (int part = 0; part < kVisuddhiPartCount; ++part) {
    WriteVisuddhiPart(others, part, lib.visuddhi[part] ? FilesOf(*lib.visuddhi[part]) : BookFiles{});
  }
  std::vector<std::string> headwords, articles;
  for (const Article& a : lib.encyclopedia) {
    headwords.push_back(a.headword);
    articles.push_back(a.text);
  }
  WriteEncyclopedia(others, JoinLines(headwords), articles);
  for (int chant = 0; chant < kChantBookCount; ++chant) {
    if (lib.chants[chant]) {
      WriteChantBook(others, chant, lib.chants[chant]->text);
    } else {
      WritePakArchive(others + std::string(kChantBooks[chant].archive), {});  // no text: no member
    }
  }
  WriteFileAtomically(others + "wisut.lst", JoinLines(lib.visuddhiTitles));
  WriteFileAtomically(others + "readmine.lst", JoinLines(lib.chantTitles));
}

void WriteIndex(const std::string& bible, Collection c, CollectionIndex& index) {
  WriteByteFrequencies(bible, c, index.byteCounts);
  WritePositionTables(bible, c, index.positions);
  WriteWordIndex(bible, c, index.hitsPerWord);
  index.hitsPerWord = {};
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// A fresh folder named base + suffix + six random characters.
std::string MakeTempFolder(const std::string& base, const char* suffix) {
  std::string pattern = base + suffix + "XXXXXX";
  if (!::mkdtemp(pattern.data())) throw FileError("Cannot create folder " + pattern);
  return pattern;
}

}  // namespace

void WriteLibrary(LibrarySource lib, const std::string& folder) {
  const std::string bible = folder + "bible/", others = folder + "others/", link = folder + "link/";
  for (const std::string& f : {bible, others, link}) fs::create_directories(f);
  SearchIndex index = BuildSearchIndex(lib);

  // The largest jobs first, so that the cores finish together.
  const std::vector<std::function<void()>> jobs = {
      [&] { WriteAtthakathaVolumes(bible, VolumeFiles(lib.atthakatha)); },
      [&] {
        WriteTipitakaVolumes(bible, VolumeFiles(lib.tipitaka));
        WriteTipitakaItems(bible, ItemTables(lib.tipitaka));
      },
      [&] { WriteIndex(bible, Collection::Atthakatha, index.atthakatha); },
      [&] { WriteIndex(bible, Collection::Tipitaka, index.tipitaka); },
      [&] {
        WriteWordList(bible, index.words);
        WriteFileAtomically(bible + "tripi.lst", JoinLines(lib.tipitakaTitles));
        WriteFileAtomically(bible + "atta.lst", JoinLines(lib.atthakathaTitles));
        WriteLinkTables(link, LinkTables(lib.tipitaka), LinkTables(lib.atthakatha));
        WriteOtherBooks(lib, others);
      },
  };
  ParallelFor(jobs.size(), [&](size_t i) { jobs[i](); });
}

void CompileLibrary(const std::string& sourceFolder, const std::string& outFolder) {
  LibrarySource lib = ReadLibrarySource(sourceFolder);
  const std::string out = WithoutTrailingSlash(outFolder);
  if (const fs::path parent = fs::path(out).parent_path(); !parent.empty()) fs::create_directories(parent);
  const std::string temp = MakeTempFolder(out, ".tmp-");
  try {
    WriteLibrary(std::move(lib), temp + "/");
    if (fs::exists(out)) {
      // Renaming a folder onto an empty one replaces it, so the old library moves aside
      // in one step and the new one takes its name in the next.
      const std::string old = MakeTempFolder(out, ".old-");
      try {
        fs::rename(out, old);
      } catch (...) {
        fs::remove(old);
        throw;
      }
      try {
        fs::rename(temp, out);
      } catch (...) {
        fs::rename(old, out);
        throw;
      }
      fs::remove_all(old);
    } else {
      fs::rename(temp, out);
    }
  } catch (...) {
    std::error_code ignored;
    fs::remove_all(temp, ignored);
    throw;
  }
}

}  // namespace lomarin::mkdata
