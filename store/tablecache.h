// The navigation tables of the book files, kept decoded between lookups. The readers ask
// for the page, item, header and link of a line on every scroll; without the cache each
// lookup would extract and decompress its table again. An entry belongs to (path, member
// or byte range, table type) and is dropped as soon as its file, or a folder on its path,
// changes on disk (a change watch, one look at its queue per lookup; where the platform
// cannot watch a file, its size, modification time and inode are compared on every
// lookup instead), so a lookup always sees the file as stored. A missing file raises FileError::CannotOpen(path) on every
// lookup, cached or not. An absent member reads as an empty table. Thread-safe.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>

namespace lomarin {

// Decodes a table's bytes. `kept` tells that the table goes into the cache and will
// answer many lookups, so building an index for it pays; one decoder per table type
// (the type is part of the key).
template <typename Table>
using TableDecoder = Table (*)(std::string&& bytes, bool kept);

// The decoder of tables used as raw bytes.
inline std::string KeepTableBytes(std::string&& bytes, bool) { return std::move(bytes); }

// What a table is read from: a PAK member, or bytes [offset, offset + length) of a plain
// file, cut at its end.
struct TableSource {
  std::string path;
  std::optional<std::string> member;
  uint64_t offset = 0;
  uint64_t length = std::numeric_limits<uint64_t>::max();
};

namespace detail {
using ErasedDecoder = std::function<std::shared_ptr<const void>(std::string&&, bool)>;
std::shared_ptr<const void> CachedTable(const TableSource& source, std::type_index type, const ErasedDecoder& decode);
}  // namespace detail

template <typename Table>
std::shared_ptr<const Table> CachedTable(const TableSource& source, TableDecoder<Table> decode) {
  return std::static_pointer_cast<const Table>(
      detail::CachedTable(source, typeid(Table), [decode](std::string&& bytes, bool kept) -> std::shared_ptr<const void> {
        return std::make_shared<const Table>(decode(std::move(bytes), kept));
      }));
}

// Member `member` of the PAK archive at archivePath, decoded.
template <typename Table>
std::shared_ptr<const Table> CachedMemberTable(const std::string& archivePath, const std::string& member,
                                               TableDecoder<Table> decode) {
  return CachedTable<Table>({archivePath, member}, decode);
}

// The whole plain file at path, decoded.
template <typename Table>
std::shared_ptr<const Table> CachedFileTable(const std::string& path, TableDecoder<Table> decode) {
  return CachedTable<Table>({path, std::nullopt}, decode);
}

// Bytes [offset, offset + length) of a flat table file, cut at its end (fewer or no
// bytes when the file is shorter): a view into the cached file, or with the cache off
// one read of just those bytes.
struct FlatRange {
  std::shared_ptr<const std::string> owner;
  std::string_view bytes;
};
FlatRange ReadFlatRange(const std::string& path, uint64_t offset, uint64_t length);

// Held by a lookup that consults several tables (a page header needs the page table and
// the header list): the change queue is looked at once for all of them.
class TableLookupScope {
 public:
  TableLookupScope();
  ~TableLookupScope();
  TableLookupScope(const TableLookupScope&) = delete;
  TableLookupScope& operator=(const TableLookupScope&) = delete;
};

// On by default; off reads every table anew, as for measuring the uncached cost.
void SetTableCacheEnabled(bool enabled);

}  // namespace lomarin
