// MILINPROC: the Milindapanha in the data folder's "others/": the text, member
// "MILIN.DAT" of "MILIN.PAK"; the contents list, plain file "MILIN.TOC"; the contents
// lines, plain TDB file "MILIN.TDB" (bookfiles.h).
//
// Loaders catch every error and answer false, leaving the target as it was. The lookup
// raises FileError ("Cannot open file PATH") for a missing file.
#pragma once

#include <string>

#include "textlines.h"

namespace lomarin {

// The folder every later call reads: data folder + "others/".
void SetMilindaFolder(const std::string& folder);

bool LoadMilindaText(TextTarget& view);
bool LoadMilindaContents(TextTarget& lines);

// Text line of contents entry entryIndex (0-based); −1, "no entry chosen", reads entry
// 0; 0 for any other entry outside the table.
int MilindaContentsLine(int entryIndex);

}  // namespace lomarin
