// Display labels of the volume files: the Tipitaka's 45 books over 53 files (books 33, 36,
// 44 and 45 in parts), the Atthakatha's 88 volumes.
#pragma once

#include <array>
#include <string>

namespace lomarin {

extern const std::array<const char*, 53> TipitakaVolumeLabels;
extern const std::array<const char*, 88> AtthakathaVolumeLabels;

}  // namespace lomarin
