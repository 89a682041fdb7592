// The search history "hissearch.dat": every query, as typed, of every search that found
// something, one per CR LF line in code page 874, kept sorted case-insensitively in Thai
// dictionary order. It lives in the data folder; when that folder is not writable (a
// system-wide install) it lives in the per-user data folder instead. A missing file is
// an empty history. The file is always written whole and atomically.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lomarin {

inline constexpr const char* kSearchHistoryFile = "hissearch.dat";

class SearchHistory {
 public:
  // Both folders end in "/". isWritableFolder decides between them; by default it asks
  // the file system.
  SearchHistory(std::string dataFolder, std::string userFolder,
                std::function<bool(const std::string&)> isWritableFolder = {});

  // The file this history reads and writes.
  const std::string& Path() const { return m_path; }

  // Replaces the entries with the file's lines when the file exists.
  void Load();
  const std::vector<std::string>& Entries() const { return m_entries; }
  // Adds the query in its sorted place unless an entry equal to it (ASCII letters
  // compared without case) is there already; answers whether it was added.
  bool Add(const std::string& query);
  // Writes every entry; raises FileError when the file cannot be written.
  void Save() const;

 private:
  std::string m_path;
  std::vector<std::string> m_entries;
};

// The per-user data folder of the program (QStandardPaths::AppDataLocation), ending in "/".
std::string PerUserDataFolder();

}  // namespace lomarin
