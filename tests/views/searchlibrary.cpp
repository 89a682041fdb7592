#include "searchlibrary.h"

#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "bookwriters.h"
#include "fileio.h"
#include "fixturelibrary.h"
#include "indexwriter.h"
#include "thaidigits.h"

namespace lomarin::testing {
namespace {

struct SampleVolume {
  int lines = 0;
  std::map<int, std::string> words;  // line → words put in after its number
};

const std::map<int, SampleVolume>& Volumes() {
  static const std::map<int, SampleVolume> volumes = {
      {kTipitaka1, {40, {{2, "นิพพาน"}, {11, "นิพพาน"}, {14, "นิพพาน"}, {17, "นิพพาน"}, {31, "นิพพาน"}, {35, "นิพพาน"}}}},
      {kTipitaka2, {20, {{5, "นิพพาน"}, {8, "นิพัทธ์"}, {15, "นิพพาน"}}}},
      {kAtthakatha1, {40, {{25, "นิพพาน"}}}},
  };
  return volumes;
}

std::string VolumeText(int key) {
  std::vector<std::string> lines;
  for (int n = 0; n < Volumes().at(key).lines; ++n) lines.push_back(SearchLibraryLine(key, n));
  return JoinLines(lines);
}

// Byte ranges of runs of ten lines, numbered from 1: the items, or the pages.
std::vector<PositionRecord> TenLineRuns(const std::string& text) {
  std::vector<PositionRecord> runs;
  int line = 0;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", end + 2)) {
    if (line % 10 == 0) runs.push_back({static_cast<uint16_t>(line / 10 + 1), static_cast<int32_t>(start), 0});
    runs.back().end = static_cast<int32_t>(end + 1);
    ++line;
    start = end + 2;
  }
  return runs;
}

BookFiles Book(int key) {
  BookFiles book;
  book.text = VolumeText(key);
  book.contents = JoinLines({Cp874("ต้นเล่ม")});
  book.contentsLines = {0};
  std::vector<std::string> headers;
  for (int first = 0; first < Volumes().at(key).lines; first += 10) {
    book.pages.push_back({first, first + 9});
    headers.push_back(Cp874("หัวหน้า ") + ThaiDigits(first / 10 + 1));
  }
  book.pageHeaders = JoinLines(headers);
  return book;
}

// Cuts the texts at spaces and line ends, as the fixture's word breaker.
void AddWords(const std::string& text, uint16_t volume, std::map<std::string, std::vector<HitRecord>>& hits) {
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != ' ' && text[i] != '\r' && text[i] != '\n') continue;
    if (i > start) hits[text.substr(start, i - start)].push_back({volume, static_cast<int32_t>(start)});
    start = i + 1;
  }
}

void WriteSearchIndex(const std::string& bible) {
  const std::map<Collection, std::vector<std::pair<int, int>>> collections = {
      {Collection::Tipitaka, {{kTipitaka1, 1}, {kTipitaka2, 2}}}, {Collection::Atthakatha, {{kAtthakatha1, 1}}}};
  std::map<Collection, std::map<std::string, std::vector<HitRecord>>> hits;
  std::set<std::string> words;
  for (const auto& [c, volumes] : collections) {
    for (const auto& [key, number] : volumes) AddWords(VolumeText(key), static_cast<uint16_t>(number), hits[c]);
    for (const auto& [word, list] : hits[c]) words.insert(word);
  }
  const std::vector<std::string> wordList(words.begin(), words.end());
  WriteWordList(bible, wordList);
  for (const auto& [c, volumes] : collections) {
    std::vector<std::vector<HitRecord>> perWord;
    for (const std::string& word : wordList) perWord.push_back(hits[c][word]);
    WriteWordIndex(bible, c, perWord);
    ByteFrequencyCounter counter;
    std::vector<std::vector<PositionRecord>> tables(static_cast<size_t>(VolumeCount(c)));
    for (const auto& [key, number] : volumes) {
      counter.Add(VolumeText(key));
      tables[static_cast<size_t>(number - 1)] = TenLineRuns(VolumeText(key));
    }
    WriteByteFrequencies(bible, c, counter.Counts());
    WritePositionTables(bible, c, tables);
  }
}

std::string Titles(const std::string& stem, int count) {
  std::vector<std::string> titles;
  for (int i = 1; i <= count; ++i) titles.push_back(Cp874(stem) + ThaiDigits(i));
  return JoinLines(titles);
}

}  // namespace

std::string SearchLibraryLine(int volumeKey, int n) {
  const auto& words = Volumes().at(volumeKey).words;
  const auto found = words.find(n);
  const std::string extra = found == words.end() ? std::string() : " " + Cp874(found->second);
  return Cp874("บรรทัด ") + ThaiDigits(n) + extra + Cp874(" ธรรมะ ปัญญา");
}

void WriteSearchLibrary(const std::string& dataFolder) {
  const std::string bible = dataFolder + "bible/";
  std::filesystem::create_directories(bible);
  WriteFileAtomically(bible + "tripi.lst", Titles("ไตรปิฎก เล่ม ", 53));
  WriteFileAtomically(bible + "atta.lst", Titles("อรรถกถา เล่ม ", 88));
  WriteTipitakaVolumes(bible, {{1, Book(kTipitaka1)}, {2, Book(kTipitaka2)}});
  // Line 0 cannot start an item (a first line of 0 marks an unused slot).
  const std::vector<ItemRange> fourItems = {{1, 9}, {10, 19}, {20, 29}, {30, 39}};
  WriteTipitakaItems(bible, {{1, fourItems}, {2, {{1, 9}, {10, 19}}}});
  WriteAtthakathaVolumes(bible, {{1, Book(kAtthakatha1)}});
  std::vector<LinkTarget> tipitaka1(4);
  tipitaka1[1] = {1, 3};
  tipitaka1[3] = {1, 99};
  std::vector<LinkTarget> atthakatha1(3);
  atthakatha1[2] = {1, 2};
  WriteLinkTables(dataFolder + "link/", {{1, tipitaka1}, {2, {{90, 1}}}}, {{1, atthakatha1}});
  WriteSearchIndex(bible);
}

}  // namespace lomarin::testing
