// ATTAPROC: the Atthakatha's volume files in the data folder's "bible/" (layouts in
// bookfiles.h): the text "ATDAT.PAK", contents "ATTOC.PAK", contents lines "ATTDB.PAK",
// pages "ATPDB.PAK" and page headers "ATPHD.PAK" (members "ADATnn.DAT", ".TOC", ".TDB",
// ".PDB", ".PHD" for volume nn). Volumes are 1-based file numbers 1 … 88.
//
// Loaders catch every error and answer false, leaving the target as it was; an absent
// member empties the target and answers true. Lookups raise FileError ("Cannot open file
// PATH") for a missing file and answer 0 (an empty header) for an index outside a table.
#pragma once

#include <string>

#include "textlines.h"

namespace lomarin {

// The folder every later call reads: data folder + "bible/".
void SetAtthakathaFolder(const std::string& folder);

bool LoadAtthakathaText(int volume, TextTarget& view);
bool LoadAtthakathaContents(int volume, TextTarget& lines);

int AtthakathaContentsLine(int volume, int entryIndex);
// Page record index holding line, never record 0 (unless the table has one record); the
// last record when no page from record 1 on holds it.
int AtthakathaPageOfLine(int volume, int line);
// First line of page (1-based).
int AtthakathaPageFirstLine(int volume, int page);
// The header line of the page holding line.
std::string AtthakathaPageHeader(int volume, int line);

}  // namespace lomarin
