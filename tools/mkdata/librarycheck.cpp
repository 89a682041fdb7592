#include "librarycheck.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>

#include "booktables.h"
#include "bytesource.h"
#include "chantbooks.h"
#include "coding.h"
#include "fileerror.h"
#include "fileio.h"
#include "indexreader.h"
#include "lzo.h"
#include "textlines.h"
#include "uunpak.h"

namespace lomarin::mkdata {
namespace {

// Lines of a text as the store splits them: at CR LF, a final CR LF adding none.
int CountLines(std::string_view text) {
  int lines = 0;
  size_t start = 0;
  while (start < text.size()) {
    const size_t crlf = text.find("\r\n", start);
    ++lines;
    if (crlf == std::string_view::npos) break;
    start = crlf + 2;
  }
  return lines;
}

std::string Range(int first, int last) { return std::to_string(first) + "-" + std::to_string(last); }

struct Volume {
  bool present = false;
  std::string text;
  int lineCount = 0;
  std::vector<PageRange> pages;
  std::vector<ItemRange> items;  // Tipitaka: slot n − 1 of item n
  PositionTable positions;
};

class Checker {
 public:
  Checker(const std::string& folder, size_t maxShown) : m_folder(folder), m_maxShown(maxShown) {}

  CheckResult Run() {
    Section("bible/tripi.lst", [&] { CheckList("bible/tripi.lst", kTipitakaVolumeCount); });
    Section("bible/atta.lst", [&] { CheckList("bible/atta.lst", kAtthakathaVolumeCount); });
    Section("others/wisut.lst", [&] { CheckList("others/wisut.lst", kVisuddhiPartCount); });
    Section("others/readmine.lst", [&] { CheckList("others/readmine.lst", kChantBookCount); });
    for (const Collection c : {Collection::Tipitaka, Collection::Atthakatha}) LoadCollection(c);
    Section("bible/TPNDB.PAK", [&] { CheckItems(); });
    Section("link/TA.LNK", [&] { CheckLinks(true); });
    Section("link/AT.LNK", [&] { CheckLinks(false); });
    CheckIndex();
    CheckOtherBooks();
    return std::move(m_result);
  }

 private:
  void Problem(const std::string& text) {
    if (m_result.problemCount++ < m_maxShown) m_result.problems.push_back(text);
  }

  void Section(const std::string& where, const std::function<void()>& check) {
    try {
      check();
    } catch (const std::exception& e) {
      Problem(where + ": " + e.what());
    }
  }

  std::vector<Volume>& Volumes(Collection c) { return c == Collection::Tipitaka ? m_tipitaka : m_atthakatha; }

  void CheckList(const std::string& name, int count) {
    const int lines = CountLines(ReadWholeFile(m_folder + name));
    if (lines != count) Problem(name + ": " + std::to_string(lines) + " titles, not " + std::to_string(count));
  }

  void CheckContents(const std::string& where, const std::string& toc, const std::string& tdb, int lineCount) {
    if (tdb.size() % 2 != 0) Problem(where + ": contents-line table of odd size " + std::to_string(tdb.size()));
    const size_t entries = tdb.size() / 2;
    if (static_cast<size_t>(CountLines(toc)) != entries) {
      Problem(where + ": " + std::to_string(CountLines(toc)) + " contents lines but " + std::to_string(entries) +
              " contents-line entries");
    }
    for (size_t i = 0; i < entries; ++i) {
      const int line = DecodeFixed16(tdb.data() + 2 * i);
      if (line >= lineCount) {
        Problem(where + ": contents entry " + std::to_string(i) + " points at line " + std::to_string(line) +
                " of a text of " + std::to_string(lineCount) + " lines");
      }
    }
  }

  void CheckPages(const std::string& where, const std::vector<PageRange>& pages, int lineCount) {
    for (size_t i = 0; i < pages.size(); ++i) {
      const PageRange& p = pages[i];
      if (p.last <= 0) continue;
      if (p.first < 0 || p.first > p.last || p.last >= lineCount) {
        Problem(where + ": page " + std::to_string(i + 1) + " lines " + Range(p.first, p.last) +
                " do not lie in a text of " + std::to_string(lineCount) + " lines");
      }
    }
  }

  void CheckHeaders(const std::string& where, const std::string& phd, size_t pageCount) {
    const size_t headers = static_cast<size_t>(CountLines(phd));
    if (headers < pageCount) {
      Problem(where + ": " + std::to_string(headers) + " page headers for " + std::to_string(pageCount) + " pages");
    }
  }

  // A member's bytes, or nothing when the archive lacks it.
  static std::optional<std::string> Member(const ByteSource& archive, const std::string& name) {
    std::string bytes;
    if (!ReadPakMember(archive, name, bytes)) return std::nullopt;
    return bytes;
  }

  void LoadCollection(Collection c) {
    const bool tipitaka = c == Collection::Tipitaka;
    std::vector<Volume>& volumes = Volumes(c);
    volumes.assign(tipitaka ? kTipitakaVolumeCount : kAtthakathaVolumeCount, {});
    const std::string prefix = tipitaka ? "TDAT" : "ADAT";
    const std::string archivePrefix = m_folder + "bible/" + (tipitaka ? "TP" : "AT");
    Section("bible/" + TextArchiveName(c), [&] {
      const FileSource text(m_folder + "bible/" + TextArchiveName(c));
      const FileSource toc(archivePrefix + "TOC.PAK"), tdb(archivePrefix + "TDB.PAK"), pdb(archivePrefix + "PDB.PAK");
      const FileSource positions(m_folder + "bible/" + PositionArchiveName(c));
      std::optional<FileSource> phd;
      if (!tipitaka) phd.emplace(archivePrefix + "PHD.PAK");
      for (size_t i = 0; i < volumes.size(); ++i) {
        const int v = static_cast<int>(i + 1);
        const std::string member = VolumeMemberName(prefix, v, ".DAT");
        const std::string where = "bible/" + TextArchiveName(c) + " " + member;
        Section(where, [&] {
          Volume& vol = volumes[i];
          std::optional<std::string> bytes = Member(text, member);
          vol.present = bytes.has_value();
          if (!vol.present) return;
          vol.text = std::move(*bytes);
          vol.lineCount = CountLines(vol.text);
          CheckContents(where, Member(toc, VolumeMemberName(prefix, v, ".TOC")).value_or(""),
                        Member(tdb, VolumeMemberName(prefix, v, ".TDB")).value_or(""), vol.lineCount);
          vol.pages = DecodePages(Member(pdb, VolumeMemberName(prefix, v, ".PDB")).value_or(""));
          CheckPages(where, vol.pages, vol.lineCount);
          if (phd) CheckHeaders(where, Member(*phd, VolumeMemberName(prefix, v, ".PHD")).value_or(""), vol.pages.size());
          const std::string posMember = PositionMemberName(c, v);
          CheckPositionTable("bible/" + PositionArchiveName(c) + " " + posMember,
                             Member(positions, posMember).value_or(""), vol);
        });
      }
    });
  }

  void CheckPositionTable(const std::string& where, const std::string& bytes, Volume& vol) {
    if (bytes.size() % kPositionRecordSize != 0) Problem(where + ": size not a multiple of 10");
    vol.positions = PositionTable::Decode(bytes);
    int64_t next = 0;
    for (size_t i = 0; i * kPositionRecordSize + kPositionRecordSize <= bytes.size(); ++i) {
      const PositionRecord r = DecodePositionRecord(bytes.data() + i * kPositionRecordSize);
      if (r.start < next || r.end < r.start || r.end >= static_cast<int64_t>(vol.text.size()) ||
          r.number > kMaxItemNumber) {
        Problem(where + ": record " + std::to_string(i) + " (number " + std::to_string(r.number) + ", bytes " +
                Range(r.start, r.end) + ") is out of order or outside the text");
      }
      next = static_cast<int64_t>(r.end) + 1;
    }
  }

  // The flat 4-byte-slot table at name, whole, with its size checked.
  std::string FlatTable(const std::string& name, size_t slots) {
    std::string bytes = ReadWholeFile(m_folder + name);
    if (bytes.size() != slots * 4) {
      Problem(name + ": " + std::to_string(bytes.size()) + " bytes, not " + std::to_string(slots * 4));
      bytes.resize(slots * 4, '\0');
    }
    return bytes;
  }

  void CheckItems() {
    const std::string table = FlatTable("bible/TPNDB.PAK", kTipitakaVolumeCount * kItemSlotsPerVolume);
    for (int v = 1; v <= kTipitakaVolumeCount; ++v) {
      Volume& vol = m_tipitaka[v - 1];
      vol.items.resize(kItemSlotsPerVolume);
      for (int n = 1; n <= kItemSlotsPerVolume; ++n) {
        const char* slot = table.data() + (static_cast<size_t>(v - 1) * kItemSlotsPerVolume + (n - 1)) * 4;
        const ItemRange item{DecodeFixed16(slot), DecodeFixed16(slot + 2)};
        vol.items[n - 1] = item;
        if (item.first == 0 && item.last == 0) continue;
        if (!vol.present || item.first > item.last || item.last >= vol.lineCount) {
          Problem("bible/TPNDB.PAK: volume " + std::to_string(v) + " item " + std::to_string(n) + " lines " +
                  Range(item.first, item.last) + " do not lie in the volume's text");
        }
      }
    }
  }

  static bool HasItem(const Volume& vol, int item) {
    return vol.present && item >= 1 && item <= static_cast<int>(vol.items.size()) && vol.items[item - 1].first != 0;
  }
  static bool HasPage(const Volume& vol, int page) {
    return vol.present && page >= 1 && page <= static_cast<int>(vol.pages.size()) && vol.pages[page - 1].last > 0;
  }

  void CheckLinks(bool fromTipitaka) {
    const std::string name = fromTipitaka ? "link/TA.LNK" : "link/AT.LNK";
    const std::vector<Volume>& from = fromTipitaka ? m_tipitaka : m_atthakatha;
    const std::vector<Volume>& to = fromTipitaka ? m_atthakatha : m_tipitaka;
    const size_t perVolume = fromTipitaka ? kItemSlotsPerVolume : kPageSlotsPerVolume;
    const std::string table = FlatTable(name, from.size() * perVolume);
    for (size_t v = 0; v < from.size(); ++v) {
      for (size_t n = 1; n <= perVolume; ++n) {
        const char* slot = table.data() + (v * perVolume + n - 1) * 4;
        const int targetVolume = DecodeFixed16(slot), target = DecodeFixed16(slot + 2);
        if (targetVolume == 0) continue;
        const std::string link = name + ": volume " + std::to_string(v + 1) + (fromTipitaka ? " item " : " page ") +
                                 std::to_string(n) + " -> volume " + std::to_string(targetVolume) +
                                 (fromTipitaka ? " page " : " item ") + std::to_string(target);
        const int source = static_cast<int>(n);
        if (fromTipitaka ? !HasItem(from[v], source) : !HasPage(from[v], source)) {
          Problem(link + ": the source has no such " + (fromTipitaka ? "item" : "page"));
        }
        const bool landed = targetVolume <= static_cast<int>(to.size()) &&
                            (fromTipitaka ? HasPage(to[targetVolume - 1], target) : HasItem(to[targetVolume - 1], target));
        if (!landed) Problem(link + ": the target does not exist");
      }
    }
  }

  void CheckIndex() {
    std::vector<std::string> words;
    Section("bible/DIC.SDB", [&] { words = ReadWordList(m_folder + "bible/"); });
    for (const Collection c : {Collection::Tipitaka, Collection::Atthakatha}) {
      Section("bible/" + FrequencyFileName(c), [&] { CheckFrequencies(c); });
      Section("bible/" + IndexFileName(c), [&] { CheckHits(c, words); });
    }
  }

  void CheckFrequencies(Collection c) {
    std::array<uint64_t, 256> counted{};
    for (const Volume& vol : Volumes(c)) {
      for (const char b : vol.text) ++counted[static_cast<unsigned char>(b)];
    }
    const std::array<int32_t, 256> stored = ReadByteFrequencies(m_folder + "bible/", c);
    for (int b = 0; b < 256; ++b) {
      const uint64_t expected = std::min<uint64_t>(counted[b], INT32_MAX);
      if (static_cast<uint64_t>(std::max(stored[b], 0)) != expected || stored[b] < 0) {
        Problem("bible/" + FrequencyFileName(c) + ": byte " + std::to_string(b) + " counted " +
                std::to_string(stored[b]) + ", the texts hold " + std::to_string(expected));
      }
    }
  }

  void CheckHits(Collection c, const std::vector<std::string>& words) {
    const std::string name = "bible/" + IndexFileName(c);
    const uint64_t size = std::filesystem::file_size(m_folder + name);
    if (size != words.size() * kIndexEntrySize) {
      Problem(name + ": " + std::to_string(size / kIndexEntrySize) + " entries for " + std::to_string(words.size()) +
              " words");
    }
    const WordIndex index(m_folder + "bible/", c);
    const std::vector<Volume>& volumes = Volumes(c);
    for (size_t w = 0; w < words.size() && w < size / kIndexEntrySize; ++w) {
      const std::string& word = words[w];
      Section(name + " word " + std::to_string(w), [&] {
        const IndexEntry entry = index.Entry(static_cast<int>(w));
        const std::string records = index.HitBlock(static_cast<int>(w), entry);
        HitRecord previous{};
        for (size_t k = 0; k * kHitRecordSize < records.size(); ++k) {
          const HitRecord hit = DecodeHitRecord(records.data() + k * kHitRecordSize);
          const std::string where = name + ": hit " + std::to_string(k) + " of word " + std::to_string(w) +
                                    " (volume " + std::to_string(hit.volume) + ", byte " +
                                    std::to_string(hit.position) + ")";
          if (k > 0 && !(previous < hit)) Problem(where + " is out of order");
          previous = hit;
          const bool inVolume = hit.volume >= 1 && hit.volume <= volumes.size() && volumes[hit.volume - 1].present;
          const Volume* vol = inVolume ? &volumes[hit.volume - 1] : nullptr;
          if (!vol || hit.position < 0 || hit.position + word.size() > vol->text.size() ||
              std::memcmp(vol->text.data() + hit.position, word.data(), word.size()) != 0) {
            Problem(where + " does not lie on its word");
          } else if (!vol->positions.Find(hit.position)) {
            Problem(where + " lies in no record of the position table");
          }
        }
      });
    }
  }

  void CheckOtherBooks() {
    const std::string others = m_folder + "others/";
    Section("others/MILIN.PAK", [&] {
      const std::string text = Member(FileSource(others + "MILIN.PAK"), "MILIN.DAT").value_or("");
      CheckContents("others/MILIN", ReadWholeFile(others + "MILIN.TOC"), ReadWholeFile(others + "MILIN.TDB"),
                    CountLines(text));
    });
    for (const char* part : kVisuddhiPartNames) {
      const std::string name = part;
      Section("others/" + name + ".PAK", [&] {
        const std::string base = others + name;
        const int lines = CountLines(Member(FileSource(base + ".PAK"), name + ".DAT").value_or(""));
        CheckContents("others/" + name, ReadWholeFile(base + ".TOC"), ReadWholeFile(base + ".TDB"), lines);
        const std::vector<PageRange> pages = DecodePages(ReadWholeFile(base + ".PDB"));
        CheckPages("others/" + name + ".PDB", pages, lines);
        CheckHeaders("others/" + name + ".PHD", ReadWholeFile(base + ".PHD"), pages.size());
      });
    }
    Section("others/SARA.MDB", [&] { CheckEncyclopedia(others); });
    for (const ChantBook& chant : kChantBooks) {
      const std::string name = "others/" + std::string(chant.archive);
      // A chant book without text has no member; a present one must decompress.
      Section(name, [&] { Member(FileSource(m_folder + name), std::string(chant.member)); });
    }
  }

  void CheckEncyclopedia(const std::string& others) {
    const int headwords = CountLines(ReadWholeFile(others + "SARA.LST"));
    const std::string directory = ReadWholeFile(others + "SARA.MDB");
    const std::string articles = ReadWholeFile(others + "SARA.DAT");
    const size_t count = directory.size() / 8;
    if (directory.size() % 8 != 0 || count != static_cast<size_t>(headwords)) {
      Problem("others/SARA.MDB: " + std::to_string(directory.size()) + " bytes for " + std::to_string(headwords) +
              " headwords");
    }
    for (size_t k = 0; k < count; ++k) {
      const int32_t size = DecodeSigned32(directory.data() + 8 * k + 0);
      const int64_t offset = DecodeSigned32(directory.data() + 8 * k + 4);
      const int64_t end = k + 1 < count ? DecodeSigned32(directory.data() + 8 * (k + 1) + 4)
                                        : static_cast<int64_t>(articles.size());
      const bool placed = size >= 0 && size <= kMaxUnpackedSize && offset >= 0 && end >= offset &&
                          end <= static_cast<int64_t>(articles.size());
      std::string text(placed ? static_cast<size_t>(size) : 0, '\0');
      if (!placed ||
          !LzoDecompress(articles.data() + offset, static_cast<size_t>(end - offset), text.data(), text.size())) {
        Problem("others/SARA.DAT: article " + std::to_string(k) + " does not decompress to its size");
      }
    }
  }

  std::string m_folder;
  size_t m_maxShown;
  CheckResult m_result;
  std::vector<Volume> m_tipitaka, m_atthakatha;
};

}  // namespace

CheckResult CheckLibrary(const std::string& dataFolder, size_t maxShown) {
  const std::string folder = dataFolder.empty() || dataFolder.back() == '/' ? dataFolder : dataFolder + "/";
  return Checker(folder, maxShown).Run();
}

}  // namespace lomarin::mkdata
