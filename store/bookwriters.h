// Writers of every book file the store reads, for the library compiler and test fixtures.
// Record layouts are in bookfiles.h, the archive layout in uunpak.h. Encoders answer the
// bytes of one table; the Write… functions create the folder when needed and replace each
// file atomically. Texts are given as their code page 874 bytes with CR LF line ends
// (JoinLines builds them from lines). Bad input (a volume, part or chant number out of
// range, a table longer than its slots) raises std::invalid_argument.
//
// Files written (folder = data folder + "bible/", "others/" or "link/"):
//   Tipitaka    bible/TPDAT.PAK, TPTOC.PAK, TPTDB.PAK, TPPDB.PAK: members "TDATnn.DAT",
//               ".TOC", ".TDB", ".PDB" per volume; bible/TPNDB.PAK: the flat item table.
//   Atthakatha  bible/ATDAT.PAK, ATTOC.PAK, ATTDB.PAK, ATPDB.PAK, ATPHD.PAK: members
//               "ADATnn.DAT", ".TOC", ".TDB", ".PDB", ".PHD".
//   Milindapanha  others/MILIN.PAK (member "MILIN.DAT"), MILIN.TOC, MILIN.TDB.
//   Visuddhimagga others/N.PAK (member "N.DAT"), N.TOC, N.TDB, N.PDB, N.PHD for part name N.
//   Encyclopedia  others/SARA.LST (headwords), SARA.MDB (8-byte records: int32 unpacked
//               size, int32 offset of the article's LZO1X block in SARA.DAT), SARA.DAT.
//   Chant books   others/<archive> with its one 16-byte member (chantbooks.h).
//   Links       link/TA.LNK (53 × 2600 slots), link/AT.LNK (88 × 1300 slots).
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "bookfiles.h"

namespace lomarin {

// The files of one book or volume. Empty pages or headers still write empty tables.
struct BookFiles {
  std::string text;                    // the DAT text
  std::string contents;                // TOC text, one entry per line
  std::vector<uint16_t> contentsLines; // TDB: start line of each contents entry
  std::vector<PageRange> pages;        // PDB (not used by the Milindapanha)
  std::string pageHeaders;             // PHD text (Atthakatha and Visuddhimagga)
};

// Each line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

std::string EncodeContentsLines(const std::vector<uint16_t>& lines);  // TDB
std::string EncodePages(const std::vector<PageRange>& pages);         // PDB

// TPNDB.PAK: kTipitakaVolumeCount volumes of kItemSlotsPerVolume slots; items[v][n − 1]
// is item n of volume v, missing volumes and slots stay zero.
std::string EncodeItemTable(const std::map<int, std::vector<ItemRange>>& items);

// A link table of volumeCount × slotsPerVolume slots; links[v][n − 1] is the slot of
// (volume v, number n).
std::string EncodeLinkTable(const std::map<int, std::vector<LinkTarget>>& links, int volumeCount,
                            int slotsPerVolume);

// SARA.MDB and SARA.DAT for the articles in order (article k = headword line k).
struct EncyclopediaTables {
  std::string directory;  // SARA.MDB
  std::string articles;   // SARA.DAT
};
EncyclopediaTables EncodeEncyclopedia(const std::vector<std::string>& articles);

// Volumes keyed by their 1-based volume file number; a volume not given has no members.
void WriteTipitakaVolumes(const std::string& bibleFolder, const std::map<int, BookFiles>& volumes);
void WriteTipitakaItems(const std::string& bibleFolder, const std::map<int, std::vector<ItemRange>>& items);
void WriteAtthakathaVolumes(const std::string& bibleFolder, const std::map<int, BookFiles>& volumes);

void WriteMilinda(const std::string& othersFolder, const BookFiles& book);
void WriteVisuddhiPart(const std::string& othersFolder, int part, const BookFiles& book);
void WriteEncyclopedia(const std::string& othersFolder, const std::string& headwords,
                       const std::vector<std::string>& articles);
void WriteChantBook(const std::string& othersFolder, int chant, const std::string& text);

// TA.LNK keyed by Tipitaka volume (slots by item), AT.LNK keyed by Atthakatha volume
// (slots by page record number).
void WriteLinkTables(const std::string& linkFolder, const std::map<int, std::vector<LinkTarget>>& tipitakaToAtthakatha,
                     const std::map<int, std::vector<LinkTarget>>& atthakathaToTipitaka);

}  // namespace lomarin
