// TLINKAPROC: the links between Tipitaka items and Atthakatha pages, two flat tables of
// 4-byte slots in the data folder's "link/" (layout in bookfiles.h):
//   "TA.LNK"  slot (Tipitaka volume v, item n) at ((v − 1) × 2600 + (n − 1)) × 4:
//             low 16 bits the Atthakatha volume (0: no link), high 16 bits its page
//             record number (1-based, as AtthakathaPageFirstLine takes it).
//   "AT.LNK"  slot (Atthakatha volume v, page record number n) at ((v − 1) × 1300 +
//             (n − 1)) × 4: low 16 bits the Tipitaka volume (0: no link), high 16 bits the
//             item (as TipitakaItemLines takes it).
// The page record number of the page holding line L is AtthakathaPageOfLine(v, L) + 1.
// A missing file raises FileError ("Cannot open file PATH"); a volume below 1, an item
// or page outside 1 … 2600 or 1 … 1300, or a slot not wholly inside the file has no
// link: 0.
#pragma once

#include <cstdint>
#include <string>

namespace lomarin {

// The folder every later call reads: data folder + "link/".
void SetLinkFolder(const std::string& folder);

uint32_t TipitakaToAtthakatha(int volume, int item);
uint32_t AtthakathaToTipitaka(int volume, int page);

}  // namespace lomarin
