// SARAPROC: the Tipitaka encyclopedia in the data folder's "others/": the headwords
// "SARA.LST" (line k names article k), the article directory "SARA.MDB" and the articles
// "SARA.DAT". Directory record k, at byte 8 × k:
//   0  int32  unpacked size of article k
//   4  int32  offset of article k's LZO1X block in SARA.DAT
// The block runs to the next record's offset, or for the last record (no offset field
// after it) to the end of SARA.DAT.
#pragma once

#include <string>

#include "textlines.h"

namespace lomarin {

// The folder every later call reads: data folder + "others/".
void SetEncyclopediaFolder(const std::string& folder);

// The headwords replace the list's lines. On any error the list is cleared (ReplaceText
// with an empty text) and the answer is false.
bool LoadEncyclopediaIndex(TextTarget& lines);

// Article index (0-based) replaces the view's lines. False, the view untouched, for a
// missing file, an index outside the directory or a damaged block.
bool LoadEncyclopediaArticle(int index, TextTarget& view);

}  // namespace lomarin
