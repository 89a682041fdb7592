// WISUTPROC: the Visuddhimagga's six parts in the data folder's "others/". Part p has the
// file name N = "SIL1", "SIL2", "SAMATI1", "SAMATI2", "PANYA1", "PANYA2" (p = 0 … 5) and
// the files N.PAK (member N.DAT: the text), N.TOC (contents list), N.TDB (contents
// lines), N.PDB (pages) and N.PHD (page headers), all but the first plain files
// (layouts in bookfiles.h).
//
// Every operation takes the low 8 bits of `part` (readers pass their whole request code).
// A part above 5 has no files: loaders answer false, lookups 0 or an empty header.
// Loaders catch every error and answer false, leaving the target as it was. Lookups
// raise FileError ("Cannot open file PATH") for a missing file and answer 0 (an empty
// header) for an index outside a table.
#pragma once

#include <string>

#include "textlines.h"

namespace lomarin {

// The folder every later call reads: data folder + "others/".
void SetVisuddhiFolder(const std::string& folder);

bool LoadVisuddhiText(int part, TextTarget& view);
bool LoadVisuddhiContents(int part, TextTarget& lines);

// Text line of contents entry entry (0-based); −1, "no entry chosen", reads entry 0.
int VisuddhiContentsLine(int part, int entry);
// Index of the first page record whose last line is >= line; the last record if none.
int VisuddhiPageOfLine(int part, int line);
// The header line of the page holding line.
std::string VisuddhiPageHeader(int part, int line);
// First and last line of page (1-based); both 0 outside the table.
void VisuddhiPageLines(int part, int page, int& first, int& last);

}  // namespace lomarin
