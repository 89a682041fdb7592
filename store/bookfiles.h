// Records, sizes and names shared by the readers and the writers of the book files.
//
// Text files (volume texts, contents lists, page headers, headword lists) are code page
// 874 with CR LF line ends. Tables count 0-based text lines of their book's text:
//
//   TDB   contents lines: uint16 per contents entry, entry i at byte 2 × i.
//   PDB   pages: 8-byte records, count = size / 8; record p − 1 is page p.
//           0  int32 first line    4  int32 last line    (inclusive; last <= 0: empty slot)
//   PHD   page headers: text, line i is the header of PDB record i.
//   TPNDB.PAK (flat, not an archive): 2600 slots of 4 bytes per Tipitaka volume, in
//         volume order; slot (v, n) at ((v − 1) × 2600 + (n − 1)) × 4.
//           0  uint16 first line   2  uint16 last line   (inclusive; all zero: unused)
//   TA.LNK, AT.LNK (flat): one uint32 slot per item (2600 per Tipitaka volume) or per
//         page record number (1300 per Atthakatha volume): low half the target volume
//         (0 = no link), high half the target page record number or item.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace lomarin {

constexpr int kTipitakaVolumeCount = 53;
constexpr int kAtthakathaVolumeCount = 88;
constexpr int kItemSlotsPerVolume = 2600;  // TPNDB.PAK and TA.LNK
constexpr int kPageSlotsPerVolume = 1300;  // AT.LNK
constexpr int kVisuddhiPartCount = 6;

// The file names of Visuddhimagga parts 0 … 5.
constexpr const char* kVisuddhiPartNames[kVisuddhiPartCount] = {"SIL1",    "SIL2",   "SAMATI1",
                                                                "SAMATI2", "PANYA1", "PANYA2"};

struct PageRange {
  int32_t first = 0;
  int32_t last = 0;
};

struct ItemRange {
  uint16_t first = 0;
  uint16_t last = 0;
};

struct LinkTarget {
  uint16_t volume = 0;  // 0: no link
  uint16_t number = 0;  // page record number (TA.LNK) or item (AT.LNK), 1-based
};

// "TDAT%0.2d.DAT" and its siblings: the prefix, the volume written with at least two
// digits, the extension.
inline std::string VolumeMemberName(std::string_view prefix, int volume, std::string_view extension) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%.2d", volume);  // the "%0.2d" of the member patterns
  return std::string(prefix) + digits + std::string(extension);
}

}  // namespace lomarin
