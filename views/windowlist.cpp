#include "windowlist.h"

#include <algorithm>

#include "thaicollation.h"

namespace lomarin {
namespace {

int CompareKeys(std::string_view a, std::string_view b) { return ThaiCompare(a, b, CaseRule::Insensitive); }

}  // namespace

void DocumentWindowList::Sort() {
  std::stable_sort(m_pairs.begin(), m_pairs.end(),
                   [](const WindowPair& a, const WindowPair& b) { return CompareKeys(a.key, b.key) < 0; });
}

int DocumentWindowList::IndexOf(std::string_view key) const {
  const auto it = std::lower_bound(m_pairs.begin(), m_pairs.end(), key, [](const WindowPair& pair, std::string_view k) {
    return CompareKeys(pair.key, k) < 0;
  });
  if (it == m_pairs.end() || CompareKeys(it->key, key) != 0) return -1;
  return static_cast<int>(it - m_pairs.begin());
}

int DocumentWindowList::Append(std::string key, DocumentView* view) {
  m_pairs.push_back({std::move(key), view});
  return Count() - 1;
}

void DocumentWindowList::DeleteKey(std::string_view key) {
  const auto it = std::find_if(m_pairs.begin(), m_pairs.end(),
                               [key](const WindowPair& pair) { return CompareKeys(pair.key, key) == 0; });
  if (it != m_pairs.end()) m_pairs.erase(it);
}

std::string TitleOfKey(std::string_view key) {
  const size_t bar = key.find('|');
  return std::string(bar == std::string_view::npos ? key : key.substr(bar + 1));
}

int ReturnViewIndex(int count, int currentIndex, int returnIndex) {
  int index = count - 1;
  if (returnIndex != -1) index = currentIndex == returnIndex ? returnIndex : returnIndex - 1;
  return index >= 0 && index < count ? index : count - 1;
}

}  // namespace lomarin
