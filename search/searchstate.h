// The search engine's state and operations (the unit SEARCHPROC): the prepared query,
// the three searches, the result rows and the two hit tables, and the listing, marking
// and stepping with which the results reader walks them. One object holds it all; the
// desktop keeps one for the whole session, lomarin-cli one per run.
//
// Hit tables, rewritten by every search of their mode and read anew by every call:
//   "STAB.TMP"  word hit table: 6-byte hit records (indexformat.h); row r's records
//               start at byte FoundOffsets[r], FoundCounts[r] of them, by volume then
//               position; blocks in the order the search produced the rows.
//   "SSTAB.TMP" phrase-set hit table: records of 4 + 4 × PhraseCount bytes: uint16
//               volume, uint16 item (page), one int32 offset per phrase; one row.
// They go to the search folder, or to the fallback folder when the search folder is
// not writable, and are replaced atomically.
//
// Not thread-safe: one caller at a time. Searches use worker threads internally.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hitview.h"
#include "indexformat.h"
#include "indexreader.h"
#include "query.h"
#include "volumetexts.h"

namespace lomarin {

// Called with 0 … 100 at the search's progress points, on the calling thread.
using SearchProgress = std::function<void(int percent)>;

inline constexpr int kAllVolumes = 999;
inline constexpr const char* kWordTableFile = "STAB.TMP";
inline constexpr const char* kPhraseSetTableFile = "SSTAB.TMP";
// Collection limits of one run of the full scan and of the adjacency search.
inline constexpr size_t kMaxHitsPerRun = 200000;
inline constexpr size_t kMaxDistinctTexts = 40000;

struct SearchSettings {
  // Where the hit tables go when the search folder is not writable (ends in "/").
  std::string fallbackTableFolder;
  size_t textCacheBudget = VolumeTextCache::kDefaultBudget;
  // Whether hit tables may be written into a folder; the default asks the file system.
  std::function<bool(const std::string& folder)> isWritableFolder;
};

class SearchState {
 public:
  explicit SearchState(SearchSettings settings = {});
  SearchState(const SearchState&) = delete;
  SearchState& operator=(const SearchState&) = delete;

  // Sets the search folder (ends in "/"), chooses the hit tables' folder and empties
  // every result list.
  void InitSearch(const std::string& folder);

  // The query and its scope, set by the search request before a search.
  std::vector<Phrase> Phrases;
  bool SearchInAtthakatha = false;
  int SearchVolume = kAllVolumes;
  int PhraseCount() const { return static_cast<int>(Phrases.size()); }

  // The three searches; each returns the number of rows afterwards. REQUIRES: InitSearch,
  // empty rows, and Phrases prepared and accepted by the request's rules.
  int SearchSinglePhrase(const SearchProgress& progress);
  int SearchAdjacentPhrases(const SearchProgress& progress);
  int SearchPhrasesInSameItem(const SearchProgress& progress);

  // Result rows: three parallel lists, counts and offsets in decimal.
  std::vector<std::string> FoundWords, FoundCounts, FoundOffsets;
  // Volumes of the selected row, and items (pages) of the selected volume.
  std::vector<std::string> HitVolumes, HitVolumeLabels, HitVolumeCounts;
  std::vector<std::string> HitItems, HitItemCounts;
  int CurrentRow = 0;
  int CurrentVolume = 0;
  int CurrentItem = 0;  // set by the caller before FirstWordHit / FirstPhraseSetHit
  int CurrentHit = 0;

  void ListWordVolumes(int row);
  void ListPhraseSetVolumes(int row);
  void ListWordItems(int volume);
  void ListPhraseSetItems(int volume);
  void MarkWordHits(HitView& view, Rgb colour);
  void MarkPhraseSetHits(HitView& view, Rgb colour);
  // Positions in the volume text; −1 when there is none (stepping: the neighbouring
  // record lies in another volume, and CurrentHit stays).
  int FirstWordHit();
  int NextWordHit();
  int PrevWordHit();
  int FirstPhraseSetHit();
  int NextPhraseSetHit();
  int PrevPhraseSetHit();

  const std::string& SearchFolder() const { return m_searchFolder; }
  std::string WordTablePath() const { return m_tableFolder + kWordTableFile; }
  std::string PhraseSetTablePath() const { return m_tableFolder + kPhraseSetTableFile; }
  VolumeTextCache& TextCache() { return m_texts; }

 private:
  Collection CurrentCollection() const;
  const std::vector<std::string>& WordList();
  std::vector<int> VolumesSearched() const;
  Anchor QueryAnchor(size_t phrasesConsidered) const;
  int FullScan(const SearchProgress& progress);
  void ReportVolumeDone(const SearchProgress& progress, int volume) const;
  void AppendRow(std::string text, size_t count, size_t offset);
  void SortRows();
  // The records of row `row` of a table, checked against the file.
  std::string ReadRowRecords(const std::string& path, int row, size_t recordSize) const;
  void ListVolumes(const std::string& path, int row, size_t recordSize);
  void CountItem(std::vector<int>& counters, int number, const std::string& path, size_t record) const;
  const PositionTable& PositionTableOf(int volume);
  int StepHit(const std::string& path, size_t recordSize, size_t valueOffset, int step);
  size_t PhraseSetRecordSize() const { return 4 + 4 * Phrases.size(); }

  SearchSettings m_settings;
  std::string m_searchFolder;
  std::string m_tableFolder;
  VolumeTextCache m_texts;
  // The word list, kept while its file's stamp stays the same.
  std::vector<std::string> m_wordList;
  std::string m_wordListStamp;
  // Position tables by volume, kept while the archive's stamp stays the same.
  std::map<int, PositionTable> m_positionTables;
  std::string m_positionTablesStamp;
};

}  // namespace lomarin
