// TIPIPROC: the Tipitaka's volume files in the data folder's "bible/" (layouts in
// bookfiles.h): the text "TPDAT.PAK", contents "TPTOC.PAK", contents lines "TPTDB.PAK",
// pages "TPPDB.PAK" (members "TDATnn.DAT", ".TOC", ".TDB", ".PDB" for volume nn) and the
// flat item table "TPNDB.PAK". Volumes are 1-based file numbers 1 … 53.
//
// Loaders catch every error and answer false, leaving the target as it was; an absent
// member empties the target and answers true. Lookups raise FileError ("Cannot open file
// PATH") for a missing file and answer 0 for an index outside their table.
#pragma once

#include <cstdint>
#include <string>

#include "textlines.h"

namespace lomarin {

// The folder every later call reads: data folder + "bible/".
void SetTipitakaFolder(const std::string& folder);

bool LoadTipitakaText(int volume, TextTarget& view);
bool LoadTipitakaContents(int volume, TextTarget& lines);

// Text line at which contents entry entryIndex (0-based) starts.
int TipitakaContentsLine(int volume, int entryIndex);
// Page record index (0-based) holding line; the last record when no page holds it.
int TipitakaPageOfLine(int volume, int line);
// First line of page (1-based).
int TipitakaPageFirstLine(int volume, int page);
// Item 1 … 2600 whose slot holds line (the first such slot; an unused all-zero slot
// holds line 0), or 0.
int TipitakaItemOfLine(int volume, int line);
// The item's slot: low 16 bits first line, high 16 bits last line; 0 for an unused slot.
uint32_t TipitakaItemLines(int volume, int item);

}  // namespace lomarin
