#include "uunpak.h"

#include <cstring>
#include <vector>

#include "coding.h"
#include "cp874.h"
#include "fileerror.h"
#include "lzo.h"

namespace lomarin {
namespace {

constexpr int kHeaderSize = 8;
constexpr int kEntrySize = 28;
constexpr int kNameSize = 16;

[[noreturn]] void Damaged(const ByteSource& archive, std::string_view member, const std::string& what) {
  std::string msg = "Damaged archive " + archive.Name();
  if (!member.empty()) msg += ", member " + Cp874ToUtf8(member);
  throw FileError(msg + ": " + what);
}

std::string_view EntryName(const char* entry) {
  const void* nul = std::memchr(entry, '\0', kNameSize);
  return {entry, nul ? static_cast<size_t>(static_cast<const char*>(nul) - entry) : kNameSize};
}

}  // namespace

int ExtractPakMember(const std::string& archivePath, std::string_view memberName, std::string& out) {
  const FileSource archive(archivePath);
  return ReadPakMember(archive, memberName, out) ? static_cast<int>(out.size()) : 0;
}

bool ReadPakMember(const ByteSource& archive, std::string_view memberName, std::string& out) {
  const uint64_t fileSize = archive.Size();
  char header[kHeaderSize];
  if (!archive.ReadAt(0, kHeaderSize, header)) Damaged(archive, {}, "header is truncated");
  const int32_t count = DecodeSigned32(header);
  if (count < 0) Damaged(archive, {}, "negative member count " + std::to_string(count));
  const uint64_t dataStart = kHeaderSize + static_cast<uint64_t>(count) * kEntrySize;
  if (dataStart > fileSize) {
    Damaged(archive, {}, "directory of " + std::to_string(count) + " members runs past the end of the file");
  }

  std::vector<char> directory(dataStart - kHeaderSize);
  if (!archive.ReadAt(kHeaderSize, directory.size(), directory.data())) {
    Damaged(archive, {}, "directory cannot be read");
  }
  const char* entry = nullptr;
  for (int32_t i = 0; i < count; ++i) {
    const char* candidate = directory.data() + static_cast<size_t>(i) * kEntrySize;
    if (EntryName(candidate) == memberName) {
      entry = candidate;
      break;
    }
  }
  if (!entry) return false;

  const int32_t offset = DecodeSigned32(entry + 16);
  const int32_t packed = DecodeSigned32(entry + 20);
  const int32_t unpacked = DecodeSigned32(entry + 24);
  if (offset < 0 || packed < 0 || static_cast<uint64_t>(offset) + static_cast<uint64_t>(packed) > fileSize - dataStart) {
    Damaged(archive, memberName, "data lies outside the file");
  }
  // LZO1X spends at least one byte per 255 bytes of output, so anything that claims more
  // is damage; this keeps a damaged entry from making us allocate hundreds of megabytes.
  const long long lzoLimit = 256LL * packed + 1024;
  if (unpacked < 0 || unpacked > kMaxUnpackedSize || unpacked > lzoLimit) {
    Damaged(archive, memberName, "unpacked size " + std::to_string(unpacked) + " is out of range");
  }

  std::vector<char> packedBytes(static_cast<size_t>(packed));
  if (!archive.ReadAt(dataStart + static_cast<uint64_t>(offset), packedBytes.size(), packedBytes.data())) {
    Damaged(archive, memberName, "data cannot be read");
  }
  std::string result(static_cast<size_t>(unpacked), '\0');
  if (!LzoDecompress(packedBytes.data(), packedBytes.size(), result.data(), result.size())) {
    Damaged(archive, memberName, "data does not decompress to " + std::to_string(unpacked) + " bytes");
  }
  out.swap(result);
  return true;
}

}  // namespace lomarin
