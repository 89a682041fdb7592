#include "bookwriters.h"

#include <filesystem>
#include <stdexcept>

#include "chantbooks.h"
#include "coding.h"
#include "fileio.h"
#include "lzo.h"
#include "pakwriter.h"

namespace lomarin {
namespace {

void WriteFile(const std::string& folder, const std::string& name, const std::string& bytes) {
  std::filesystem::create_directories(folder);
  WriteFileAtomically(folder + name, bytes);
}

void WriteArchive(const std::string& folder, const std::string& name, const std::vector<PakMember>& members) {
  std::filesystem::create_directories(folder);
  WritePakArchive(folder + name, members);
}

// One archive per kind of member, e.g. TPDAT.PAK with "TDAT01.DAT", "TDAT02.DAT", ...
struct VolumeArchive {
  const char* archive;
  const char* extension;
  std::string (*bytes)(const BookFiles&);
};

void WriteVolumeArchives(const std::string& folder, const char* memberPrefix, int volumeCount,
                         const std::map<int, BookFiles>& volumes, const std::vector<VolumeArchive>& archives) {
  for (const auto& [volume, files] : volumes) {
    if (volume < 1 || volume > volumeCount) throw std::invalid_argument("volume out of range: " + std::to_string(volume));
  }
  for (const VolumeArchive& a : archives) {
    std::vector<PakMember> members;
    for (const auto& [volume, files] : volumes) {
      members.push_back({VolumeMemberName(memberPrefix, volume, a.extension), a.bytes(files)});
    }
    WriteArchive(folder, a.archive, members);
  }
}

std::string TextOf(const BookFiles& f) { return f.text; }
std::string ContentsOf(const BookFiles& f) { return f.contents; }
std::string ContentsLinesOf(const BookFiles& f) { return EncodeContentsLines(f.contentsLines); }
std::string PagesOf(const BookFiles& f) { return EncodePages(f.pages); }
std::string HeadersOf(const BookFiles& f) { return f.pageHeaders; }

}  // namespace

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::string EncodeContentsLines(const std::vector<uint16_t>& lines) {
  std::string bytes;
  for (uint16_t line : lines) PutFixed16(bytes, line);
  return bytes;
}

std::string EncodePages(const std::vector<PageRange>& pages) {
  std::string bytes;
  for (const PageRange& p : pages) {
    PutFixed32(bytes, static_cast<uint32_t>(p.first));
    PutFixed32(bytes, static_cast<uint32_t>(p.last));
  }
  return bytes;
}

std::string EncodeItemTable(const std::map<int, std::vector<ItemRange>>& items) {
  std::string bytes(static_cast<size_t>(kTipitakaVolumeCount) * kItemSlotsPerVolume * 4, '\0');
  for (const auto& [volume, slots] : items) {
    if (volume < 1 || volume > kTipitakaVolumeCount || slots.size() > kItemSlotsPerVolume) {
      throw std::invalid_argument("item table of volume " + std::to_string(volume) + " does not fit");
    }
    for (size_t n = 0; n < slots.size(); ++n) {
      std::string slot;
      PutFixed16(slot, slots[n].first);
      PutFixed16(slot, slots[n].last);
      bytes.replace((static_cast<size_t>(volume - 1) * kItemSlotsPerVolume + n) * 4, 4, slot);
    }
  }
  return bytes;
}

std::string EncodeLinkTable(const std::map<int, std::vector<LinkTarget>>& links, int volumeCount, int slotsPerVolume) {
  std::string bytes(static_cast<size_t>(volumeCount) * static_cast<size_t>(slotsPerVolume) * 4, '\0');
  for (const auto& [volume, slots] : links) {
    if (volume < 1 || volume > volumeCount || slots.size() > static_cast<size_t>(slotsPerVolume)) {
      throw std::invalid_argument("link table of volume " + std::to_string(volume) + " does not fit");
    }
    for (size_t n = 0; n < slots.size(); ++n) {
      std::string slot;
      PutFixed16(slot, slots[n].volume);
      PutFixed16(slot, slots[n].number);
      bytes.replace((static_cast<size_t>(volume - 1) * static_cast<size_t>(slotsPerVolume) + n) * 4, 4, slot);
    }
  }
  return bytes;
}

EncyclopediaTables EncodeEncyclopedia(const std::vector<std::string>& articles) {
  EncyclopediaTables tables;
  for (const std::string& article : articles) {
    PutFixed32(tables.directory, static_cast<uint32_t>(article.size()));
    PutFixed32(tables.directory, static_cast<uint32_t>(tables.articles.size()));
    tables.articles += LzoCompress(article);
  }
  return tables;
}

void WriteTipitakaVolumes(const std::string& bibleFolder, const std::map<int, BookFiles>& volumes) {
  WriteVolumeArchives(bibleFolder, "TDAT", kTipitakaVolumeCount, volumes,
                      {{"TPDAT.PAK", ".DAT", TextOf},
                       {"TPTOC.PAK", ".TOC", ContentsOf},
                       {"TPTDB.PAK", ".TDB", ContentsLinesOf},
                       {"TPPDB.PAK", ".PDB", PagesOf}});
}

void WriteTipitakaItems(const std::string& bibleFolder, const std::map<int, std::vector<ItemRange>>& items) {
  WriteFile(bibleFolder, "TPNDB.PAK", EncodeItemTable(items));
}

void WriteAtthakathaVolumes(const std::string& bibleFolder, const std::map<int, BookFiles>& volumes) {
  WriteVolumeArchives(bibleFolder, "ADAT", kAtthakathaVolumeCount, volumes,
                      {{"ATDAT.PAK", ".DAT", TextOf},
                       {"ATTOC.PAK", ".TOC", ContentsOf},
                       {"ATTDB.PAK", ".TDB", ContentsLinesOf},
                       {"ATPDB.PAK", ".PDB", PagesOf},
                       {"ATPHD.PAK", ".PHD", HeadersOf}});
}

void WriteMilinda(const std::string& othersFolder, const BookFiles& book) {
  WriteArchive(othersFolder, "MILIN.PAK", {{"MILIN.DAT", book.text}});
  WriteFile(othersFolder, "MILIN.TOC", book.contents);
  WriteFile(othersFolder, "MILIN.TDB", EncodeContentsLines(book.contentsLines));
}

void WriteVisuddhiPart(const std::string& othersFolder, int part, const BookFiles& book) {
  if (part < 0 || part >= kVisuddhiPartCount) throw std::invalid_argument("no Visuddhimagga part " + std::to_string(part));
  const std::string name = kVisuddhiPartNames[part];
  WriteArchive(othersFolder, name + ".PAK", {{name + ".DAT", book.text}});
  WriteFile(othersFolder, name + ".TOC", book.contents);
  WriteFile(othersFolder, name + ".TDB", EncodeContentsLines(book.contentsLines));
  WriteFile(othersFolder, name + ".PDB", EncodePages(book.pages));
  WriteFile(othersFolder, name + ".PHD", book.pageHeaders);
}

void WriteEncyclopedia(const std::string& othersFolder, const std::string& headwords,
                       const std::vector<std::string>& articles) {
  const EncyclopediaTables tables = EncodeEncyclopedia(articles);
  WriteFile(othersFolder, "SARA.LST", headwords);
  WriteFile(othersFolder, "SARA.MDB", tables.directory);
  WriteFile(othersFolder, "SARA.DAT", tables.articles);
}

void WriteChantBook(const std::string& othersFolder, int chant, const std::string& text) {
  if (chant < 0 || chant >= kChantBookCount) throw std::invalid_argument("no chant book " + std::to_string(chant));
  const ChantBook& book = kChantBooks[chant];
  WriteArchive(othersFolder, std::string(book.archive), {{std::string(book.member), text}});
}

void WriteLinkTables(const std::string& linkFolder, const std::map<int, std::vector<LinkTarget>>& tipitakaToAtthakatha,
                     const std::map<int, std::vector<LinkTarget>>& atthakathaToTipitaka) {
  WriteFile(linkFolder, "TA.LNK", EncodeLinkTable(tipitakaToAtthakatha, kTipitakaVolumeCount, kItemSlotsPerVolume));
  WriteFile(linkFolder, "AT.LNK", EncodeLinkTable(atthakathaToTipitaka, kAtthakathaVolumeCount, kPageSlotsPerVolume));
}

}  // namespace lomarin
