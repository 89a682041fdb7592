#include "searchhistory.h"

#include <unistd.h>

#include <QStandardPaths>
#include <algorithm>
#include <filesystem>

#include "fileio.h"
#include "textlines.h"
#include "thaicollation.h"

namespace lomarin {
namespace {

bool FolderAcceptsWrites(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

bool SameQuery(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

bool SortsBefore(const std::string& a, const std::string& b) { return ThaiCompare(a, b, CaseRule::Insensitive) < 0; }

}  // namespace

SearchHistory::SearchHistory(std::string dataFolder, std::string userFolder,
                             std::function<bool(const std::string&)> isWritableFolder) {
  if (!isWritableFolder) isWritableFolder = FolderAcceptsWrites;
  m_path = (isWritableFolder(dataFolder) ? dataFolder : userFolder) + kSearchHistoryFile;
}

void SearchHistory::Load() {
  if (!std::filesystem::exists(m_path)) return;
  m_entries = SplitLines(ReadWholeFile(m_path));
  std::erase(m_entries, std::string());
  std::stable_sort(m_entries.begin(), m_entries.end(), SortsBefore);
}

bool SearchHistory::Add(const std::string& query) {
  if (std::any_of(m_entries.begin(), m_entries.end(), [&](const std::string& e) { return SameQuery(e, query); })) {
    return false;
  }
  m_entries.insert(std::upper_bound(m_entries.begin(), m_entries.end(), query, SortsBefore), query);
  return true;
}

void SearchHistory::Save() const {
  std::string bytes;
  for (const std::string& entry : m_entries) bytes += entry + "\r\n";
  std::error_code ignored;  // a folder that cannot be made fails at the write
  std::filesystem::create_directories(std::filesystem::path(m_path).parent_path(), ignored);
  WriteFileAtomically(m_path, bytes);
}

std::string PerUserDataFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString() + "/";
}

}  // namespace lomarin
