// The contents of the book a numbered reader shows, and the text line of each entry:
// Tipitaka and Atthakatha volumes (kinds 0 and 1, volume = index + 1), the Milindapanha
// (kind 2) and the Visuddhimagga parts (kind 3, part = index). Each call sets the store
// unit's folder first.
#pragma once

#include <cstdint>
#include <string>

#include "textlines.h"

namespace lomarin {

// False when the kind has no contents here or the list cannot be read.
bool LoadReaderContents(const std::string& dataFolder, int32_t documentCode, TextTarget& lines);

int ReaderContentsLine(const std::string& dataFolder, int32_t documentCode, int entry);

}  // namespace lomarin
