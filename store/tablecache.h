// The navigation tables of the book files, kept decoded between lookups. The readers ask
// for the page, item, header and link of a line on every scroll; without the cache each
// lookup would extract and decompress its table again. An entry belongs to (path, member,
// table type) and is read again whenever the file's size, modification time or inode
// differs from when it was read (one stat per lookup), so a lookup always sees the file
// as stored. A missing file raises FileError::CannotOpen(path) on every lookup, cached or
// not. An absent member reads as an empty table. Safe to call from several threads.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>

namespace lomarin {

namespace detail {
using ErasedDecoder = std::function<std::shared_ptr<const void>(std::string&&)>;
std::shared_ptr<const void> CachedTable(const std::string& path, const std::string* member, std::type_index type,
                                        const ErasedDecoder& decode);
}  // namespace detail

// One decoder per table type: the type is part of the key.
template <typename Table>
using TableDecoder = Table (*)(std::string&& bytes);

// The decoder of tables used as raw bytes.
inline std::string KeepTableBytes(std::string&& bytes) { return std::move(bytes); }

// Member `member` of the PAK archive at archivePath, decoded.
template <typename Table>
std::shared_ptr<const Table> CachedMemberTable(const std::string& archivePath, const std::string& member,
                                               TableDecoder<Table> decode) {
  return std::static_pointer_cast<const Table>(detail::CachedTable(
      archivePath, &member, typeid(Table),
      [decode](std::string&& bytes) -> std::shared_ptr<const void> { return std::make_shared<const Table>(decode(std::move(bytes))); }));
}

// The whole plain file at path, decoded.
template <typename Table>
std::shared_ptr<const Table> CachedFileTable(const std::string& path, TableDecoder<Table> decode) {
  return std::static_pointer_cast<const Table>(detail::CachedTable(
      path, nullptr, typeid(Table),
      [decode](std::string&& bytes) -> std::shared_ptr<const void> { return std::make_shared<const Table>(decode(std::move(bytes))); }));
}

// Bytes [offset, offset + length) of a flat table file, cut at its end (fewer or no
// bytes when the file is shorter). With the cache off, one read of just those bytes.
struct FlatRange {
  std::shared_ptr<const std::string> owner;
  std::string_view bytes;
};
FlatRange ReadFlatRange(const std::string& path, uint64_t offset, uint64_t length);

// On by default; off reads every table anew, as for measuring the uncached cost.
void SetTableCacheEnabled(bool enabled);

}  // namespace lomarin
