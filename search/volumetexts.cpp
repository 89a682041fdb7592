#include "volumetexts.h"

#include "indexreader.h"
#include "scan.h"
#include "uunpak.h"

namespace lomarin {

const std::vector<int32_t>& VolumeText::LineBreaks() const {
  std::call_once(m_breaksFound, [this] { m_breaks = LineBreaksOf(m_bytes); });
  return m_breaks;
}

void VolumeTextCache::Revalidate(const std::string& archivePath) {
  const std::string stamp = FileStamp(archivePath);
  const std::lock_guard lock(m_mutex);
  auto known = m_stamps.find(archivePath);
  if (known != m_stamps.end() && known->second == stamp) return;
  m_stamps[archivePath] = stamp;
  for (auto it = m_entries.begin(); it != m_entries.end();) {
    if (it->first.first == archivePath) {
      m_held -= it->second.text->Bytes().size();
      it = m_entries.erase(it);
    } else {
      ++it;
    }
  }
}

std::shared_ptr<const VolumeText> VolumeTextCache::Text(const std::string& folder, Collection c, int volume) {
  const Key key{folder + TextArchiveName(c), volume};
  {
    const std::lock_guard lock(m_mutex);
    const auto it = m_entries.find(key);
    if (it != m_entries.end()) {
      it->second.lastUse = ++m_clock;
      return it->second.text;
    }
  }
  // Decompress outside the lock so that two volumes decompress at once.
  std::string bytes;
  ExtractPakMember(key.first, TextMemberName(c, volume), bytes);
  auto shared = std::make_shared<const VolumeText>(std::move(bytes));
  const std::lock_guard lock(m_mutex);
  if (shared->Bytes().size() <= m_budget && !m_entries.contains(key)) {
    m_entries[key] = {shared, ++m_clock};
    m_held += shared->Bytes().size();
    EvictOverBudget();
  }
  return shared;
}

void VolumeTextCache::SetBudget(size_t budgetBytes) {
  const std::lock_guard lock(m_mutex);
  m_budget = budgetBytes;
  EvictOverBudget();
}

size_t VolumeTextCache::BytesHeld() const {
  const std::lock_guard lock(m_mutex);
  return m_held;
}

void VolumeTextCache::EvictOverBudget() {
  while (m_held > m_budget && !m_entries.empty()) {
    auto oldest = m_entries.begin();
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
      if (it->second.lastUse < oldest->second.lastUse) oldest = it;
    }
    m_held -= oldest->second.text->Bytes().size();
    m_entries.erase(oldest);
  }
}

}  // namespace lomarin
