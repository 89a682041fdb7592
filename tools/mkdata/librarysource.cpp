#include "librarysource.h"

#include <filesystem>
#include <set>

#include "parallel.h"
#include "sourceerror.h"

namespace lomarin::mkdata {
namespace {

namespace fs = std::filesystem;

// The file names a collection folder may hold besides titles.lst; anything else ending
// in ".txt" is a mistake worth stopping for (a volume number out of range, a typo).
void RejectStrayFiles(const std::string& folder, const std::set<std::string>& allowed) {
  if (!fs::is_directory(folder)) return;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (entry.path().extension() == ".txt" && !allowed.count(name)) {
      throw SourceError(entry.path().string(), 0, "unexpected source file; books are named " + *allowed.begin() +
                                                      " … " + *allowed.rbegin());
    }
  }
}

struct BookJob {
  std::string path;
  BookKind kind;
  std::optional<BookText>* target;
};

}  // namespace

std::vector<std::string> ParseTitles(const SourceFile& file, int count, const std::string& what) {
  std::vector<std::string> titles;
  SourceLines lines(file.text);
  std::string_view line;
  while (lines.Next(line)) {
    if (static_cast<int>(titles.size()) == count) {
      if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
      throw SourceError(file.path, lines.Number(), "more than " + std::to_string(count) + " titles");
    }
    if (line.find_first_not_of(" \t") == std::string_view::npos) {
      throw SourceError(file.path, lines.Number(), "missing title for " + what + " " + std::to_string(titles.size() + 1));
    }
    titles.emplace_back(line);
  }
  if (static_cast<int>(titles.size()) < count) {
    throw SourceError(file.path, lines.Number() + 1,
                      "missing title for " + what + " " + std::to_string(titles.size() + 1) + " (the list has " +
                          std::to_string(titles.size()) + " of " + std::to_string(count) + ")");
  }
  return titles;
}

std::vector<Article> ParseEncyclopedia(const SourceFile& file) {
  std::vector<Article> articles;
  SourceLines lines(file.text);
  std::string_view line;
  while (lines.Next(line)) {
    if (line.substr(0, 2) == "@#") continue;
    if (line.substr(0, 2) == "@@") line.remove_prefix(1);
    else if (!line.empty() && line[0] == '@') {
      std::string_view name = line.substr(1, line.find_first_of(" \t") - 1);
      if (name != "headword") throw SourceError(file.path, lines.Number(), "unknown directive @" + std::string(name));
      std::string_view word = line.substr(name.size() + 1);
      while (!word.empty() && (word.front() == ' ' || word.front() == '\t')) word.remove_prefix(1);
      while (!word.empty() && (word.back() == ' ' || word.back() == '\t')) word.remove_suffix(1);
      if (word.empty()) throw SourceError(file.path, lines.Number(), "@headword without text");
      if (word.size() > kMaxHeadwordBytes) {
        throw SourceError(file.path, lines.Number(), "headword longer than 255 bytes");
      }
      articles.push_back({std::string(word), {}});
      continue;
    }
    if (articles.empty()) {
      if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
      throw SourceError(file.path, lines.Number(), "article text before the first @headword");
    }
    articles.back().text.append(line).append("\r\n");
  }
  return articles;
}

LibrarySource ReadLibrarySource(const std::string& folder) {
  const std::string root = folder.empty() || folder.back() == '/' ? folder : folder + "/";
  LibrarySource lib;
  lib.tipitakaTitles = ParseTitles(ReadSourceFile(root + "tipitaka/titles.lst"), kTipitakaVolumeCount, "Tipitaka volume");
  lib.atthakathaTitles =
      ParseTitles(ReadSourceFile(root + "atthakatha/titles.lst"), kAtthakathaVolumeCount, "Atthakatha volume");
  lib.visuddhiTitles = ParseTitles(ReadSourceFile(root + "visuddhi/titles.lst"), kVisuddhiPartCount, "Visuddhimagga part");
  lib.chantTitles = ParseTitles(ReadSourceFile(root + "chants/titles.lst"), kChantBookCount, "chant book");
  lib.tipitaka.resize(kTipitakaVolumeCount);
  lib.atthakatha.resize(kAtthakathaVolumeCount);

  std::vector<BookJob> jobs;
  const auto collection = [&](const std::string& sub, int count, BookKind kind, auto& books, bool twoDigits) {
    std::set<std::string> allowed;
    for (int v = 1; v <= count; ++v) {
      const std::string name = twoDigits ? VolumeMemberName("", v, ".txt") : std::to_string(v) + ".txt";
      allowed.insert(name);
      jobs.push_back({root + sub + "/" + name, kind, &books[v - 1]});
    }
    RejectStrayFiles(root + sub, allowed);
  };
  collection("tipitaka", kTipitakaVolumeCount, BookKind::Tipitaka, lib.tipitaka, true);
  collection("atthakatha", kAtthakathaVolumeCount, BookKind::Atthakatha, lib.atthakatha, true);
  collection("visuddhi", kVisuddhiPartCount, BookKind::Visuddhi, lib.visuddhi, false);
  collection("chants", kChantBookCount, BookKind::Chant, lib.chants, false);
  jobs.push_back({root + "milinda.txt", BookKind::Milinda, &lib.milinda});
  ParallelFor(jobs.size() + 1, [&](size_t i) {
    if (i == jobs.size()) {
      if (fs::exists(root + "encyclopedia.txt")) {
        lib.encyclopedia = ParseEncyclopedia(ReadSourceFile(root + "encyclopedia.txt"));
      }
      return;
    }
    const BookJob& job = jobs[i];
    if (fs::exists(job.path)) *job.target = ParseBook(ReadSourceFile(job.path), job.kind);
  });
  CheckLinkTargets(lib);
  return lib;
}

void CheckLinkTargets(const LibrarySource& lib) {
  for (const auto& book : lib.tipitaka) {
    if (!book) continue;
    for (const LinkSource& link : book->links) {
      const auto& target = lib.atthakatha[link.volume - 1];
      if (!target || !target->FindPage(link.target)) {
        throw SourceError(book->path, link.sourceLine,
                          "link to Atthakatha volume " + std::to_string(link.volume) + " page " +
                              std::to_string(link.target) + ", which that volume does not have");
      }
    }
  }
  for (const auto& book : lib.atthakatha) {
    if (!book) continue;
    for (const LinkSource& link : book->links) {
      const auto& target = lib.tipitaka[link.volume - 1];
      if (!target || !target->FindItem(link.target)) {
        throw SourceError(book->path, link.sourceLine,
                          "link to Tipitaka volume " + std::to_string(link.volume) + " item " +
                              std::to_string(link.target) + ", which that volume does not have");
      }
    }
  }
}

}  // namespace lomarin::mkdata
