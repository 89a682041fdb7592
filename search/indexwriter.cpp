#include "indexwriter.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "coding.h"
#include "fileio.h"
#include "lzo.h"
#include "pakwriter.h"

namespace lomarin {

std::string EncodeWordList(const std::vector<std::string>& words) {
  std::string bytes;
  for (const std::string& word : words) {
    bytes += word;
    bytes += "\r\n";
  }
  return bytes;
}

void WriteWordList(const std::string& folder, const std::vector<std::string>& words) {
  WriteFileAtomically(folder + kWordListFile, EncodeWordList(words));
}

WordIndexFiles EncodeWordIndex(const std::vector<std::vector<HitRecord>>& hitsPerWord) {
  constexpr size_t kMaxOffset = std::numeric_limits<int32_t>::max();
  WordIndexFiles files;
  files.index.reserve(hitsPerWord.size() * kIndexEntrySize);
  std::string records;
  for (const std::vector<HitRecord>& hits : hitsPerWord) {
    if (hits.size() > kMaxOffset / kHitRecordSize) throw std::length_error("too many hits for one word");
    std::string block;
    if (!hits.empty()) {
      std::vector<HitRecord> sorted = hits;
      std::sort(sorted.begin(), sorted.end());
      records.clear();
      for (const HitRecord& hit : sorted) PutHitRecord(records, hit);
      block = LzoCompress(records);
    }
    if (files.hitBlocks.size() + block.size() > kMaxOffset) throw std::length_error("hit-block file exceeds 2 GB");
    PutFixed32(files.index, static_cast<uint32_t>(hits.size()));
    PutFixed32(files.index, static_cast<uint32_t>(files.hitBlocks.size()));
    PutFixed32(files.index, static_cast<uint32_t>(block.size()));
    files.hitBlocks += block;
  }
  return files;
}

void WriteWordIndex(const std::string& folder, Collection c, const std::vector<std::vector<HitRecord>>& hitsPerWord) {
  const WordIndexFiles files = EncodeWordIndex(hitsPerWord);
  WriteFileAtomically(folder + HitBlockFileName(c), files.hitBlocks);
  WriteFileAtomically(folder + IndexFileName(c), files.index);
}

void ByteFrequencyCounter::Add(std::string_view text) {
  for (const char byte : text) ++m_counts[static_cast<unsigned char>(byte)];
}

std::array<int32_t, 256> ByteFrequencyCounter::Counts() const {
  std::array<int32_t, 256> counts{};
  for (size_t b = 0; b < counts.size(); ++b) {
    counts[b] = static_cast<int32_t>(std::min<uint64_t>(m_counts[b], std::numeric_limits<int32_t>::max()));
  }
  return counts;
}

std::string EncodeByteFrequencies(const std::array<int32_t, 256>& counts) {
  std::string bytes;
  for (const int32_t count : counts) PutFixed32(bytes, static_cast<uint32_t>(count));
  return bytes;
}

void WriteByteFrequencies(const std::string& folder, Collection c, const std::array<int32_t, 256>& counts) {
  WriteFileAtomically(folder + FrequencyFileName(c), EncodeByteFrequencies(counts));
}

std::string EncodePositionTable(const std::vector<PositionRecord>& records) {
  std::string bytes;
  bytes.reserve(records.size() * kPositionRecordSize);
  for (const PositionRecord& record : records) PutPositionRecord(bytes, record);
  return bytes;
}

void WritePositionTables(const std::string& folder, Collection c, const std::vector<std::vector<PositionRecord>>& tables) {
  std::vector<PakMember> members;
  for (size_t v = 0; v < tables.size(); ++v) {
    members.push_back({PositionMemberName(c, static_cast<int>(v + 1)), EncodePositionTable(tables[v])});
  }
  WritePakArchive(folder + PositionArchiveName(c), members);
}

}  // namespace lomarin
