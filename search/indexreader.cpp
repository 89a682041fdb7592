#include "indexreader.h"

#include <sys/stat.h>

#include "coding.h"
#include "fileerror.h"
#include "fileio.h"
#include "lzo.h"
#include "textlines.h"
#include "uunpak.h"

namespace lomarin {

std::string FileStamp(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) throw FileError::CannotOpen(path);
  return std::to_string(info.st_size) + ":" + std::to_string(info.st_mtim.tv_sec) + "." +
         std::to_string(info.st_mtim.tv_nsec);
}

std::vector<std::string> ReadWordList(const std::string& folder) {
  return SplitLines(ReadWholeFile(folder + kWordListFile));
}

WordIndex::WordIndex(const std::string& folder, Collection c)
    : m_index(folder + IndexFileName(c)), m_blocks(folder + HitBlockFileName(c)) {}

IndexEntry WordIndex::Entry(int word) const {
  char bytes[kIndexEntrySize];
  const uint64_t offset = static_cast<uint64_t>(word) * kIndexEntrySize;
  if (word < 0 || !m_index.ReadAt(offset, sizeof bytes, bytes)) {
    throw FileError(m_index.Name() + ": no entry for word " + std::to_string(word));
  }
  const IndexEntry entry{DecodeSigned32(bytes), DecodeSigned32(bytes + 4), DecodeSigned32(bytes + 8)};
  const bool impossible = entry.hitCount < 0 || entry.hitCount > kMaxUnpackedSize / kHitRecordSize ||
                          (entry.hitCount > 0 && (entry.blockOffset < 0 || entry.blockSize <= 0 ||
                                                  static_cast<uint64_t>(entry.blockOffset) + entry.blockSize > m_blocks.Size()));
  if (impossible) throw FileError(m_index.Name() + ": damaged entry for word " + std::to_string(word));
  return entry;
}

std::string WordIndex::HitBlock(int word, const IndexEntry& entry) const {
  if (entry.hitCount == 0) return {};
  std::string packed(static_cast<size_t>(entry.blockSize), '\0');
  std::string records(static_cast<size_t>(entry.hitCount) * kHitRecordSize, '\0');
  if (!m_blocks.ReadAt(static_cast<uint64_t>(entry.blockOffset), packed.size(), packed.data()) ||
      !LzoDecompress(packed.data(), packed.size(), records.data(), records.size())) {
    throw FileError(m_blocks.Name() + ": damaged hit block of word " + std::to_string(word));
  }
  return records;
}

std::array<int32_t, 256> ReadByteFrequencies(const std::string& folder, Collection c) {
  const std::string path = folder + FrequencyFileName(c);
  const std::string bytes = ReadWholeFile(path);
  std::array<int32_t, 256> counts{};
  if (bytes.size() < counts.size() * 4) throw FileError(path + ": truncated byte-frequency table");
  for (size_t b = 0; b < counts.size(); ++b) counts[b] = DecodeSigned32(bytes.data() + 4 * b);
  return counts;
}

PositionTable::PositionTable(std::vector<PositionRecord> records) : m_records(std::move(records)) {
  for (size_t i = 0; i < m_records.size() && m_ordered; ++i) {
    m_ordered = m_records[i].start <= m_records[i].end && (i == 0 || m_records[i - 1].end < m_records[i].start);
  }
}

PositionTable PositionTable::Decode(std::string_view bytes) {
  std::vector<PositionRecord> records(bytes.size() / kPositionRecordSize);
  for (size_t i = 0; i < records.size(); ++i) records[i] = DecodePositionRecord(bytes.data() + i * kPositionRecordSize);
  return PositionTable(std::move(records));
}

std::optional<PositionRecord> PositionTable::Find(int32_t position) const {
  long low = 0;
  long high = static_cast<long>(m_records.size()) - 1;
  while (low <= high) {
    const long middle = low + (high - low) / 2;
    const PositionRecord& record = m_records[static_cast<size_t>(middle)];
    if (position > record.end) {
      low = middle + 1;
    } else if (position < record.start) {
      high = middle - 1;
    } else {
      return record;
    }
  }
  return std::nullopt;
}

int PositionTable::NumberOf(int32_t position) const {
  const std::optional<PositionRecord> record = Find(position);
  return record ? record->number : 0;
}

PositionTable LoadPositionTable(const std::string& folder, Collection c, int volume) {
  std::string bytes;
  ExtractPakMember(folder + PositionArchiveName(c), PositionMemberName(c, volume), bytes);
  return PositionTable::Decode(bytes);
}

}  // namespace lomarin
