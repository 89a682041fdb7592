// A small compiled library for the search tests: volume texts in "TPDAT.PAK" /
// "ATDAT.PAK", their position tables, and a word index built by cutting the texts at
// spaces, tabs and line breaks, all in the folder "bible/" of a temporary data folder.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "indexformat.h"
#include "indexwriter.h"
#include "pakwriter.h"
#include "tempdir.h"

namespace lomarin::testing {

struct FixtureVolume {
  int number = 1;
  std::string text;                    // code page 874
  std::vector<PositionRecord> items;   // empty: item 1 covers the whole text
};

class FixtureLibrary {
 public:
  std::string DataFolder() const { return m_dir.Folder(); }
  std::string SearchFolder() const { return m_dir.Folder() + "bible/"; }

  // Writes every file of both collections (a collection without volumes gets empty ones).
  void Write(const std::vector<FixtureVolume>& tipitaka, const std::vector<FixtureVolume>& atthakatha = {}) {
    std::map<std::string, std::map<Collection, std::vector<HitRecord>>> hits;
    for (const auto& [c, volumes] : {std::pair{Collection::Tipitaka, &tipitaka}, std::pair{Collection::Atthakatha, &atthakatha}}) {
      for (const FixtureVolume& v : *volumes) {
        size_t start = 0;
        for (size_t i = 0; i <= v.text.size(); ++i) {
          const bool cut = i == v.text.size() || std::string_view(" \t\r\n").find(v.text[i]) != std::string_view::npos;
          if (!cut) continue;
          if (i > start) hits[v.text.substr(start, i - start)][c].push_back({static_cast<uint16_t>(v.number), static_cast<int32_t>(start)});
          start = i + 1;
        }
      }
    }
    std::vector<std::string> words;
    std::map<Collection, std::vector<std::vector<HitRecord>>> perWord;
    for (const auto& [word, byCollection] : hits) {
      words.push_back(word);
      for (const Collection c : {Collection::Tipitaka, Collection::Atthakatha}) {
        const auto found = byCollection.find(c);
        perWord[c].push_back(found == byCollection.end() ? std::vector<HitRecord>{} : found->second);
      }
    }
    const std::string folder = SearchFolder();
    m_dir.Write("bible/.keep", "");
    WriteWordList(folder, words);
    WriteCollection(folder, Collection::Tipitaka, tipitaka, perWord[Collection::Tipitaka]);
    WriteCollection(folder, Collection::Atthakatha, atthakatha, perWord[Collection::Atthakatha]);
  }

 private:
  static void WriteCollection(const std::string& folder, Collection c, const std::vector<FixtureVolume>& volumes,
                              const std::vector<std::vector<HitRecord>>& perWord) {
    WriteWordIndex(folder, c, perWord);
    ByteFrequencyCounter counter;
    std::vector<PakMember> texts;
    std::vector<std::vector<PositionRecord>> tables(static_cast<size_t>(VolumeCount(c)));
    for (const FixtureVolume& v : volumes) {
      counter.Add(v.text);
      texts.push_back({TextMemberName(c, v.number), v.text});
      tables[static_cast<size_t>(v.number - 1)] =
          v.items.empty() ? std::vector<PositionRecord>{{1, 0, static_cast<int32_t>(v.text.size()) - 1}} : v.items;
    }
    WriteByteFrequencies(folder, c, counter.Counts());
    WritePakArchive(folder + TextArchiveName(c), texts);
    WritePositionTables(folder, c, tables);
  }

  TempDir m_dir;
};

}  // namespace lomarin::testing
