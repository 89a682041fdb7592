// The volume texts the scans read ("TDAT%02d.DAT" of "TPDAT.PAK", "ADAT%02d.DAT" of
// "ATDAT.PAK"), kept in memory between searches up to a budget, least recently used
// first out. A text is dropped when its archive changes (size or modification time).
// Safe to use from several threads at once.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "indexformat.h"

namespace lomarin {

// One volume's text, and where its lines break, found on first use and kept with it
// (4 bytes a line, about 4 % of the text; the budget counts the text alone).
class VolumeText {
 public:
  explicit VolumeText(std::string bytes) : m_bytes(std::move(bytes)) {}
  const std::string& Bytes() const { return m_bytes; }
  // The position of every CR (13) in the text, ascending. Safe from several threads.
  const std::vector<int32_t>& LineBreaks() const;

 private:
  std::string m_bytes;
  mutable std::once_flag m_breaksFound;
  mutable std::vector<int32_t> m_breaks;
};

class VolumeTextCache {
 public:
  static constexpr size_t kDefaultBudget = 256u * 1024 * 1024;

  explicit VolumeTextCache(size_t budgetBytes = kDefaultBudget) : m_budget(budgetBytes) {}

  // Forgets the texts of an archive that changed since they were read; call once before
  // a run of Text calls on that archive. Raises FileError when it cannot be opened.
  void Revalidate(const std::string& archivePath);

  // The text of `volume` (empty when the archive has no such member). Raises FileError
  // as ExtractPakMember does.
  std::shared_ptr<const VolumeText> Text(const std::string& folder, Collection c, int volume);

  void SetBudget(size_t budgetBytes);
  size_t BytesHeld() const;

 private:
  struct Entry {
    std::shared_ptr<const VolumeText> text;
    uint64_t lastUse = 0;
  };
  using Key = std::pair<std::string, int>;  // archive path, volume

  void EvictOverBudget();  // REQUIRES: m_mutex held

  mutable std::mutex m_mutex;
  size_t m_budget;
  size_t m_held = 0;
  uint64_t m_clock = 0;
  std::map<std::string, std::string> m_stamps;  // archive path, FileStamp
  std::map<Key, Entry> m_entries;
};

}  // namespace lomarin
