#include "tablecache.h"

#include <sys/stat.h>

#include <algorithm>
#include <mutex>
#include <unordered_map>

#include "bytesource.h"
#include "changewatch.h"
#include "fileerror.h"
#include "uunpak.h"

namespace lomarin {
namespace {

// More entries than every table of a few libraries: beyond it, start afresh.
constexpr size_t kMaxEntries = 1024;

struct FileStamp {
  uint64_t size = 0;
  int64_t mtimeNs = 0;
  uint64_t inode = 0;
  uint64_t device = 0;
  bool operator==(const FileStamp&) const = default;
};

FileStamp StampOf(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) throw FileError::CannotOpen(path);
  return {static_cast<uint64_t>(st.st_size),
          static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
          static_cast<uint64_t>(st.st_ino), static_cast<uint64_t>(st.st_dev)};
}

struct Entry {
  std::string canonicalPath;
  bool watched = false;  // else its stamp is checked on every lookup
  FileStamp stamp;
  std::shared_ptr<const void> table;
};

struct Cache {
  std::mutex mutex;
  bool enabled = true;
  std::unordered_map<std::string, Entry> entries;
  ChangeWatch watch;
};

// Within one lookup that consults several tables, one look at the change queue serves all.
thread_local int t_scopeDepth = 0;
thread_local bool t_drainedInScope = false;

void DropChangedEntries(Cache& cache) {
  if (t_scopeDepth > 0 && t_drainedInScope) return;
  t_drainedInScope = t_scopeDepth > 0;
  cache.watch.Drain(
      [&cache](const std::string& prefix) {
        std::erase_if(cache.entries, [&prefix](const auto& e) { return PathUnder(e.second.canonicalPath, prefix); });
      },
      [&cache] { cache.entries.clear(); });
}

Cache& TheCache() {
  static Cache cache;
  return cache;
}

bool CacheEnabled() {
  std::lock_guard lock(TheCache().mutex);
  return TheCache().enabled;
}

std::string ReadSource(const TableSource& source) {
  std::string bytes;
  if (source.member) {
    ExtractPakMember(source.path, *source.member, bytes);  // absent: stays empty
    return bytes;
  }
  const FileSource file(source.path);
  const uint64_t start = std::min(source.offset, file.Size());
  bytes.resize(std::min(source.length, file.Size() - start));
  if (!file.ReadAt(start, bytes.size(), bytes.data())) throw FileError::CannotOpen(source.path);
  return bytes;
}

std::string KeyOf(const TableSource& source, std::type_index type) {
  std::string key = source.path;
  key += '\0';
  if (source.member) {
    key += "M" + *source.member;
  } else {
    key += "F" + std::to_string(source.offset) + "+" + std::to_string(source.length);
  }
  key += '\0';
  key += type.name();
  return key;
}

}  // namespace

namespace detail {

std::shared_ptr<const void> CachedTable(const TableSource& source, std::type_index type, const ErasedDecoder& decode) {
  Cache& cache = TheCache();
  std::unique_lock lock(cache.mutex);
  if (!cache.enabled) {
    lock.unlock();
    return decode(ReadSource(source), false);
  }
  DropChangedEntries(cache);
  std::string key = KeyOf(source, type);
  const auto found = cache.entries.find(key);
  if (found != cache.entries.end() && (found->second.watched || found->second.stamp == StampOf(source.path))) {
    return found->second.table;
  }

  // The watch and the stamp are taken before the read: a file changed in between is
  // read again next time.
  Entry entry;
  entry.canonicalPath = ChangeWatch::Canonical(source.path);
  entry.watched = cache.watch.Watch(entry.canonicalPath);
  entry.stamp = StampOf(source.path);
  entry.table = decode(ReadSource(source), true);
  if (cache.entries.size() >= kMaxEntries) cache.entries.clear();
  return cache.entries.insert_or_assign(std::move(key), std::move(entry)).first->second.table;
}

}  // namespace detail

FlatRange ReadFlatRange(const std::string& path, uint64_t offset, uint64_t length) {
  FlatRange range;
  if (CacheEnabled()) {
    range.owner = CachedFileTable<std::string>(path, KeepTableBytes);
    const uint64_t start = std::min<uint64_t>(offset, range.owner->size());
    range.bytes = std::string_view(*range.owner).substr(start, std::min(length, range.owner->size() - start));
  } else {
    range.owner = std::make_shared<const std::string>(ReadSource({path, std::nullopt, offset, length}));
    range.bytes = *range.owner;
  }
  return range;
}

TableLookupScope::TableLookupScope() {
  if (t_scopeDepth++ == 0) t_drainedInScope = false;
}

TableLookupScope::~TableLookupScope() { --t_scopeDepth; }

void SetTableCacheEnabled(bool enabled) {
  Cache& cache = TheCache();
  std::lock_guard lock(cache.mutex);
  cache.enabled = enabled;
  if (!enabled) cache.entries.clear();
}

}  // namespace lomarin
