// The three searches. Listing, marking and stepping live in hittables.cpp.
#include "searchstate.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <numeric>
#include <stdexcept>
#include <unordered_map>

#include "coding.h"
#include "fileio.h"
#include "scan.h"
#include "thaicollation.h"
#include "volumerunner.h"

namespace lomarin {
namespace {

bool FolderAcceptsWrites(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

// One volume's adjacency matches, its distinct texts numbered in first-met order.
struct AdjacentVolumeMatches {
  std::vector<std::string> texts;
  std::vector<std::pair<uint32_t, int32_t>> hits;  // text number, position
};

}  // namespace

SearchState::SearchState(SearchSettings settings) : m_settings(std::move(settings)), m_texts(m_settings.textCacheBudget) {
  if (!m_settings.isWritableFolder) m_settings.isWritableFolder = FolderAcceptsWrites;
}

void SearchState::InitSearch(const std::string& folder) {
  m_searchFolder = folder;
  m_tableFolder = folder;
  if (!m_settings.isWritableFolder(folder) && !m_settings.fallbackTableFolder.empty()) {
    m_tableFolder = m_settings.fallbackTableFolder;
    std::error_code ignored;  // a folder that cannot be made fails at the first write
    std::filesystem::create_directories(m_tableFolder, ignored);
  }
  for (auto* list : {&FoundWords, &FoundCounts, &FoundOffsets, &HitVolumes, &HitVolumeLabels, &HitVolumeCounts,
                     &HitItems, &HitItemCounts}) {
    list->clear();
  }
}

Collection SearchState::CurrentCollection() const {
  return SearchInAtthakatha ? Collection::Atthakatha : Collection::Tipitaka;
}

std::vector<int> SearchState::VolumesSearched() const {
  const int last = VolumeCount(CurrentCollection());
  if (SearchVolume == kAllVolumes) {
    std::vector<int> all(static_cast<size_t>(last));
    std::iota(all.begin(), all.end(), 1);
    return all;
  }
  if (SearchVolume < 1 || SearchVolume > last) {
    throw std::invalid_argument("volume " + std::to_string(SearchVolume) + " outside 1 … " + std::to_string(last));
  }
  return {SearchVolume};
}

Anchor SearchState::QueryAnchor(size_t phrasesConsidered) const {
  const std::vector<Phrase> considered(Phrases.begin(), Phrases.begin() + static_cast<long>(phrasesConsidered));
  return RarestByte(considered, ReadByteFrequencies(m_searchFolder, CurrentCollection()));
}

void SearchState::ReportVolumeDone(const SearchProgress& progress, int volume) const {
  if (!progress) return;
  const int last = VolumeCount(CurrentCollection());
  progress(SearchVolume == kAllVolumes ? static_cast<int>(std::lround(volume * 80.0 / last)) : 80);
}

void SearchState::AppendRow(std::string text, size_t count, size_t offset) {
  FoundWords.push_back(std::move(text));
  FoundCounts.push_back(std::to_string(count));
  FoundOffsets.push_back(std::to_string(offset));
}

void SearchState::SortRows() {
  std::vector<size_t> order(FoundWords.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
    return ThaiCompare(FoundWords[a], FoundWords[b], CaseRule::Sensitive) < 0;
  });
  for (auto* list : {&FoundWords, &FoundCounts, &FoundOffsets}) {
    std::vector<std::string> sorted;
    sorted.reserve(order.size());
    for (const size_t i : order) sorted.push_back(std::move((*list)[i]));
    *list = std::move(sorted);
  }
}

const std::vector<std::string>& SearchState::WordList() {
  const std::string path = m_searchFolder + kWordListFile;
  const std::string stamp = FileStamp(path);
  if (stamp != m_wordListStamp) {
    m_wordList = ReadWordList(m_searchFolder);
    m_wordListStamp = stamp;
  }
  return m_wordList;
}

int SearchState::SearchSinglePhrase(const SearchProgress& progress) {
  const Phrase& phrase = Phrases.at(0);
  const Collection collection = CurrentCollection();
  const WordIndex index(m_searchFolder, collection);
  std::string table;
  const std::vector<std::string>& words = WordList();
  for (size_t w = 0; w < words.size(); ++w) {
    if (!MatchWord(words[w], phrase.Text, phrase.Kind, false)) continue;
    const IndexEntry entry = index.Entry(static_cast<int>(w));
    if (entry.hitCount == 0) continue;
    const std::string block = index.HitBlock(static_cast<int>(w), entry);
    const size_t offset = table.size();
    if (SearchVolume == kAllVolumes) {
      table += block;
    } else {
      for (size_t r = 0; r < block.size(); r += kHitRecordSize) {
        if (DecodeFixed16(block.data() + r) == SearchVolume) table.append(block, r, kHitRecordSize);
      }
      if (table.size() == offset) continue;
    }
    AppendRow(words[w], (table.size() - offset) / kHitRecordSize, offset);
  }
  if (FoundWords.empty()) return FullScan(progress);
  WriteFileAtomically(WordTablePath(), table, Replace::kScratch);
  SortRows();
  return static_cast<int>(FoundWords.size());
}

int SearchState::FullScan(const SearchProgress& progress) {
  const Collection collection = CurrentCollection();
  const std::string& phrase = Phrases.at(0).Text;
  const Anchor anchor = QueryAnchor(1);
  m_texts.Revalidate(m_searchFolder + TextArchiveName(collection));
  if (progress) progress(0);
  std::string table;
  size_t hits = 0;
  ForEachVolumeInOrder(
      VolumesSearched(),
      [&](int volume) {
        return ScanPhrase(m_texts.Text(m_searchFolder, collection, volume)->Bytes(), phrase, anchor, kMaxHitsPerRun);
      },
      [&](int volume, std::vector<int32_t>&& positions) {
        for (size_t i = 0; i < positions.size() && hits < kMaxHitsPerRun; ++i, ++hits) {
          PutHitRecord(table, {static_cast<uint16_t>(volume), positions[i]});
        }
        ReportVolumeDone(progress, volume);
        return hits < kMaxHitsPerRun;
      });
  WriteFileAtomically(WordTablePath(), table, Replace::kScratch);
  if (hits > 0) AppendRow(phrase, hits, 0);
  if (progress) progress(100);
  SortRows();
  return static_cast<int>(FoundWords.size());
}

int SearchState::SearchAdjacentPhrases(const SearchProgress& progress) {
  const Collection collection = CurrentCollection();
  const Anchor anchor = QueryAnchor(Phrases.size());
  m_texts.Revalidate(m_searchFolder + TextArchiveName(collection));
  if (progress) progress(0);
  const auto scanVolume = [&](int volume) {
    AdjacentVolumeMatches matches;
    std::unordered_map<std::string, uint32_t> numbers;
    const auto text = m_texts.Text(m_searchFolder, collection, volume);
    ScanAdjacent(text->Bytes(), Phrases, anchor, [&](int32_t position, std::string&& matched) {
      auto [it, isNew] = numbers.try_emplace(matched, static_cast<uint32_t>(matches.texts.size()));
      if (isNew) matches.texts.push_back(std::move(matched));
      matches.hits.emplace_back(it->second, position);
      return matches.hits.size() < kMaxHitsPerRun && matches.texts.size() < kMaxDistinctTexts;
    });
    return matches;
  };
  // Distinct texts of the whole run in first-met order, with their hits.
  std::vector<std::string> texts;
  std::vector<std::vector<HitRecord>> hitsOfText;
  std::unordered_map<std::string, size_t> rowOfText;
  size_t hits = 0;
  ForEachVolumeInOrder(VolumesSearched(), scanVolume, [&](int volume, AdjacentVolumeMatches&& matches) {
    std::vector<size_t> rowOfLocal(matches.texts.size(), SIZE_MAX);
    for (const auto& [local, position] : matches.hits) {
      size_t& row = rowOfLocal[local];
      if (row == SIZE_MAX) {
        const auto known = rowOfText.find(matches.texts[local]);
        if (known != rowOfText.end()) {
          row = known->second;
        } else if (texts.size() < kMaxDistinctTexts) {
          row = texts.size();
          rowOfText.emplace(matches.texts[local], row);
          texts.push_back(matches.texts[local]);
          hitsOfText.emplace_back();
        } else {
          return false;
        }
      }
      if (hits == kMaxHitsPerRun) return false;
      hitsOfText[row].push_back({static_cast<uint16_t>(volume), position});
      ++hits;
    }
    ReportVolumeDone(progress, volume);
    return true;
  });
  std::string table;
  for (size_t row = 0; row < texts.size(); ++row) {
    const size_t offset = table.size();
    for (const HitRecord& hit : hitsOfText[row]) PutHitRecord(table, hit);
    AppendRow(std::move(texts[row]), hitsOfText[row].size(), offset);
  }
  WriteFileAtomically(WordTablePath(), table, Replace::kScratch);
  SortRows();
  if (progress) progress(100);
  return static_cast<int>(FoundWords.size());
}

int SearchState::SearchPhrasesInSameItem(const SearchProgress& progress) {
  const Collection collection = CurrentCollection();
  const Anchor anchor = QueryAnchor(Phrases.size());
  m_texts.Revalidate(m_searchFolder + TextArchiveName(collection));
  // The position tables come from the cache that listing uses, filled here on this
  // thread so that the workers only read it.
  const std::vector<int> volumes = VolumesSearched();
  std::map<int, const PositionTable*> tables;
  for (const int volume : volumes) tables[volume] = &PositionTableOf(volume);
  if (progress) progress(0);
  // Each worker encodes its volume's records; the caller writes them as they come.
  AtomicFileWriter table(PhraseSetTablePath(), Replace::kScratch);
  size_t records = 0;
  struct VolumeRecords {
    std::string bytes;
    size_t count = 0;
  };
  ForEachVolumeInOrder(
      volumes,
      [&](int volume) {
        const auto text = m_texts.Text(m_searchFolder, collection, volume);
        const ItemMatches items = ScanSameItem(text->Bytes(), text->LineBreaks(), Phrases, anchor, *tables.at(volume));
        const size_t count = items.numbers.size();
        VolumeRecords written{std::string(count * PhraseSetRecordSize(), '\0'), count};
        char* record = written.bytes.data();
        for (size_t i = 0; i < count; ++i) {
          EncodeFixed16(record, static_cast<uint16_t>(volume));
          EncodeFixed16(record + 2, items.numbers[i]);
          record += 4;
          for (size_t p = 0; p < Phrases.size(); ++p, record += 4) {
            EncodeFixed32(record, static_cast<uint32_t>(items.offsets[i * Phrases.size() + p]));
          }
        }
        return written;
      },
      [&](int volume, VolumeRecords&& written) {
        table.Append(written.bytes);
        records += written.count;
        ReportVolumeDone(progress, volume);
        return true;
      });
  table.Commit();
  if (records > 0) {
    std::string joined;
    for (size_t i = 0; i < Phrases.size(); ++i) joined += (i > 0 ? " " : "") + Phrases[i].Text;
    AppendRow(joined, records, 0);
  }
  if (progress) progress(100);
  return static_cast<int>(FoundWords.size());
}

}  // namespace lomarin
