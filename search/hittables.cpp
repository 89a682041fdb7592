// Listing, marking and stepping over the hit tables written by the searches. Every call
// reads the table file anew; records are checked before their fields are used.
#include <algorithm>
#include <stdexcept>

#include "coding.h"
#include "fileerror.h"
#include "searchstate.h"
#include "volumelabels.h"

namespace lomarin {
namespace {

constexpr int kMaxVolume = kAtthakathaVolumes;

size_t ParseCount(const std::string& decimal) { return static_cast<size_t>(std::stoull(decimal)); }

// The volume of a record, which must be a volume file number of either collection.
int CheckedVolume(const char* record, const std::string& path, size_t index) {
  const int volume = DecodeFixed16(record);
  if (volume < 1 || volume > kMaxVolume) {
    throw FileError(path + ": record " + std::to_string(index) + " has volume " + std::to_string(volume) +
                    " outside 1 … " + std::to_string(kMaxVolume));
  }
  return volume;
}

// Selects a hit of `length` bytes, widened by the two bytes of every line break inside it,
// and colours it.
void MarkRange(HitView& view, int position, size_t length, Rgb colour) {
  view.SelectRange(position, static_cast<int>(length));
  const std::string selected = view.SelectedText();
  const size_t breaks = std::count(selected.begin(), selected.begin() + static_cast<long>(std::min(length, selected.size())), '\r');
  view.SelectRange(position, static_cast<int>(length + 2 * breaks));
  view.FormatSelection(colour, true, true);
}

}  // namespace

std::string SearchState::ReadRowRecords(const std::string& path, int row, size_t recordSize) const {
  if (row < 0 || static_cast<size_t>(row) >= FoundWords.size()) {
    throw std::out_of_range("no result row " + std::to_string(row));
  }
  const size_t offset = ParseCount(FoundOffsets[static_cast<size_t>(row)]);
  const size_t count = ParseCount(FoundCounts[static_cast<size_t>(row)]);
  const FileSource table(path);
  std::string records(count * recordSize, '\0');
  if (!table.ReadAt(offset, records.size(), records.data())) {
    throw FileError(path + ": row " + std::to_string(row) + " runs past the end of the table");
  }
  return records;
}

void SearchState::ListVolumes(const std::string& path, int row, size_t recordSize) {
  CurrentRow = row;
  HitVolumes.clear();
  HitVolumeLabels.clear();
  HitVolumeCounts.clear();
  std::array<int, kMaxVolume + 1> counters{};
  const std::string records = ReadRowRecords(path, row, recordSize);
  for (size_t r = 0; r < records.size(); r += recordSize) {
    ++counters[static_cast<size_t>(CheckedVolume(records.data() + r, path, r / recordSize))];
  }
  for (int v = 1; v <= VolumeCount(CurrentCollection()); ++v) {
    if (counters[static_cast<size_t>(v)] == 0) continue;
    HitVolumes.push_back(std::to_string(v));
    HitVolumeLabels.push_back(SearchInAtthakatha ? AtthakathaVolumeLabels[static_cast<size_t>(v - 1)]
                                                 : TipitakaVolumeLabels[static_cast<size_t>(v - 1)]);
    HitVolumeCounts.push_back(std::to_string(counters[static_cast<size_t>(v)]));
  }
}

void SearchState::ListWordVolumes(int row) { ListVolumes(WordTablePath(), row, kHitRecordSize); }
void SearchState::ListPhraseSetVolumes(int row) { ListVolumes(PhraseSetTablePath(), row, PhraseSetRecordSize()); }

const PositionTable& SearchState::PositionTableOf(int volume) {
  const std::string stamp = m_searchFolder + "|" + FileStamp(m_searchFolder + PositionArchiveName(CurrentCollection()));
  if (stamp != m_positionTablesStamp) {
    m_positionTables.clear();
    m_positionTablesStamp = stamp;
  }
  auto it = m_positionTables.find(volume);
  if (it == m_positionTables.end()) {
    it = m_positionTables.emplace(volume, LoadPositionTable(m_searchFolder, CurrentCollection(), volume)).first;
  }
  return it->second;
}

void SearchState::CountItem(std::vector<int>& counters, int number, const std::string& path, size_t record) const {
  if (number < 0 || number > kMaxItemNumber) {
    throw FileError(path + ": record " + std::to_string(record) + " has item " + std::to_string(number) +
                    " outside 0 … " + std::to_string(kMaxItemNumber));
  }
  ++counters[static_cast<size_t>(number)];
}

void SearchState::ListWordItems(int volume) {
  CurrentVolume = volume;
  HitItems.clear();
  HitItemCounts.clear();
  std::vector<int> counters(kMaxItemNumber + 1);
  const std::string path = WordTablePath();
  const std::string records = ReadRowRecords(path, CurrentRow, kHitRecordSize);
  const PositionTable* table = nullptr;
  for (size_t r = 0; r < records.size(); r += kHitRecordSize) {
    const int recordVolume = CheckedVolume(records.data() + r, path, r / kHitRecordSize);
    if (recordVolume > volume) break;
    if (recordVolume < volume) continue;
    if (!table) table = &PositionTableOf(volume);
    CountItem(counters, table->NumberOf(DecodeSigned32(records.data() + r + 2)), path, r / kHitRecordSize);
  }
  for (int n = 0; n <= kMaxItemNumber; ++n) {
    if (counters[static_cast<size_t>(n)] == 0) continue;
    HitItems.push_back(std::to_string(n));
    HitItemCounts.push_back(std::to_string(counters[static_cast<size_t>(n)]));
  }
}

void SearchState::ListPhraseSetItems(int volume) {
  CurrentVolume = volume;
  HitItems.clear();
  HitItemCounts.clear();
  std::vector<int> counters(kMaxItemNumber + 1);
  const std::string path = PhraseSetTablePath();
  const size_t size = PhraseSetRecordSize();
  const std::string records = ReadRowRecords(path, CurrentRow, size);
  for (size_t r = 0; r < records.size(); r += size) {
    const int recordVolume = CheckedVolume(records.data() + r, path, r / size);
    if (recordVolume > volume) break;
    if (recordVolume == volume) CountItem(counters, DecodeFixed16(records.data() + r + 2), path, r / size);
  }
  for (int n = 0; n <= kMaxItemNumber; ++n) {
    if (counters[static_cast<size_t>(n)] == 0) continue;
    HitItems.push_back(std::to_string(n));
    HitItemCounts.push_back(std::to_string(counters[static_cast<size_t>(n)]));
  }
}

void SearchState::MarkWordHits(HitView& view, Rgb colour) {
  view.ResetFormat();
  const std::string path = WordTablePath();
  const std::string records = ReadRowRecords(path, CurrentRow, kHitRecordSize);
  const std::string& word = FoundWords[static_cast<size_t>(CurrentRow)];
  const size_t length = std::min(word.find('\0'), word.size());
  for (size_t r = 0; r < records.size(); r += kHitRecordSize) {
    const int volume = CheckedVolume(records.data() + r, path, r / kHitRecordSize);
    if (volume > CurrentVolume) break;
    if (volume == CurrentVolume) MarkRange(view, DecodeSigned32(records.data() + r + 2), length, colour);
  }
  view.SelectRange(0, 0);
}

void SearchState::MarkPhraseSetHits(HitView& view, Rgb colour) {
  view.ResetFormat();
  const std::string path = PhraseSetTablePath();
  const size_t size = PhraseSetRecordSize();
  const std::string records = ReadRowRecords(path, CurrentRow, size);
  for (size_t r = 0; r < records.size(); r += size) {
    const int volume = CheckedVolume(records.data() + r, path, r / size);
    if (volume > CurrentVolume) break;
    if (volume != CurrentVolume) continue;
    for (size_t j = 0; j < Phrases.size(); ++j) {
      MarkRange(view, DecodeSigned32(records.data() + r + 4 + 4 * j), Phrases[j].Text.size(), colour);
    }
  }
  view.SelectRange(0, 0);
}

int SearchState::FirstWordHit() {
  const std::string path = WordTablePath();
  const std::string records = ReadRowRecords(path, CurrentRow, kHitRecordSize);
  const size_t first = ParseCount(FoundOffsets[static_cast<size_t>(CurrentRow)]) / kHitRecordSize;
  for (size_t r = 0; r < records.size(); r += kHitRecordSize) {
    if (CheckedVolume(records.data() + r, path, first + r / kHitRecordSize) != CurrentVolume) continue;
    const int32_t position = DecodeSigned32(records.data() + r + 2);
    if (PositionTableOf(CurrentVolume).NumberOf(position) == CurrentItem) {
      CurrentHit = static_cast<int>(first + r / kHitRecordSize);
      return position;
    }
  }
  return -1;  // the item holds none of the row's hits
}

int SearchState::FirstPhraseSetHit() {
  const std::string path = PhraseSetTablePath();
  const size_t size = PhraseSetRecordSize();
  const FileSource table(path);
  std::string record(size, '\0');
  for (size_t r = 0; table.ReadAt(r * size, size, record.data()); ++r) {
    if (CheckedVolume(record.data(), path, r) == CurrentVolume && DecodeFixed16(record.data() + 2) == CurrentItem) {
      CurrentHit = static_cast<int>(r);
      return DecodeSigned32(record.data() + 4);
    }
  }
  return -1;
}

int SearchState::StepHit(const std::string& path, size_t recordSize, size_t valueOffset, int step) {
  const FileSource table(path);
  const auto records = static_cast<long long>(table.Size() / recordSize);
  if (records == 0) return -1;
  const int previous = CurrentHit;
  CurrentHit = static_cast<int>(std::clamp<long long>(static_cast<long long>(CurrentHit) + step, 0, records - 1));
  std::string record(recordSize, '\0');
  table.ReadAt(static_cast<uint64_t>(CurrentHit) * recordSize, recordSize, record.data());
  if (CheckedVolume(record.data(), path, static_cast<size_t>(CurrentHit)) == CurrentVolume) {
    return DecodeSigned32(record.data() + valueOffset);
  }
  CurrentHit = previous;
  return -1;
}

// Word records hold the position at byte 2, phrase-set records the first offset at byte 4.
int SearchState::NextWordHit() { return StepHit(WordTablePath(), kHitRecordSize, 2, 1); }
int SearchState::PrevWordHit() { return StepHit(WordTablePath(), kHitRecordSize, 2, -1); }
int SearchState::NextPhraseSetHit() { return StepHit(PhraseSetTablePath(), PhraseSetRecordSize(), 4, 1); }
int SearchState::PrevPhraseSetHit() { return StepHit(PhraseSetTablePath(), PhraseSetRecordSize(), 4, -1); }

}  // namespace lomarin
