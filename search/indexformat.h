// The search index files in the search folder ("bible/" of the data folder), shared by
// the writers (the library compiler, test fixtures) and the search engine.
//
//   "DIC.SDB"                 word list, code page 874, one word per CR LF line; the
//                             0-based line number is the word's number in both indexes
//   "TPSDB.IDX" / "ATSDB.IDX" 12 bytes per word: int32 hit count, int32 block offset,
//                             int32 block size (compressed)
//   "TPSDB.PAK" / "ATSDB.PAK" nothing but LZO1X blocks; block w decompresses to exactly
//                             hit count × 6 bytes of hit records (not a PAK archive)
//   "TP.SDM" / "AT.SDM"       256 int32 counts, one per byte value (rarity of a letter)
//   "TPSNDB.PAK" members "TPNUM%02d.SDB" / "ATSPDB.PAK" members "ADAT%02d.SPD"
//                             per volume, 10-byte records sorted by start: uint16 item
//                             (page) number, int32 first byte, int32 last byte (inclusive)
//
// Hit record (6 bytes): uint16 volume file number, int32 byte position of the word's first
// byte in that volume's text; ordered by volume, then position. Integers little-endian.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lomarin {

enum class Collection { Tipitaka, Atthakatha };

constexpr int kTipitakaVolumes = 53;
constexpr int kAtthakathaVolumes = 88;
constexpr int kHitRecordSize = 6;
constexpr int kIndexEntrySize = 12;
constexpr int kPositionRecordSize = 10;
// Item and page numbers that the per-item counting handles.
constexpr int kMaxItemNumber = 2600;

inline int VolumeCount(Collection c) { return c == Collection::Tipitaka ? kTipitakaVolumes : kAtthakathaVolumes; }

struct HitRecord {
  uint16_t volume = 0;
  int32_t position = 0;
  friend bool operator==(const HitRecord&, const HitRecord&) = default;
  friend auto operator<=>(const HitRecord&, const HitRecord&) = default;
};

struct PositionRecord {
  uint16_t number = 0;  // item (Tipitaka) or page (Atthakatha)
  int32_t start = 0;
  int32_t end = 0;  // inclusive
  friend bool operator==(const PositionRecord&, const PositionRecord&) = default;
};

struct IndexEntry {
  int32_t hitCount = 0;
  int32_t blockOffset = 0;
  int32_t blockSize = 0;
};

// File and member names, exactly as they are spelled in the data folder.
inline constexpr const char* kWordListFile = "DIC.SDB";
std::string IndexFileName(Collection c);         // "TPSDB.IDX"
std::string HitBlockFileName(Collection c);      // "TPSDB.PAK"
std::string FrequencyFileName(Collection c);     // "TP.SDM"
std::string PositionArchiveName(Collection c);   // "TPSNDB.PAK"
std::string PositionMemberName(Collection c, int volume);  // "TPNUM05.SDB"
std::string TextArchiveName(Collection c);       // "TPDAT.PAK"
std::string TextMemberName(Collection c, int volume);      // "TDAT05.DAT"

void PutHitRecord(std::string& dst, const HitRecord& hit);
HitRecord DecodeHitRecord(const char* p);  // 6 bytes
void PutPositionRecord(std::string& dst, const PositionRecord& record);
PositionRecord DecodePositionRecord(const char* p);  // 10 bytes

}  // namespace lomarin
