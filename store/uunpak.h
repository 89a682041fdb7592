// PAK archives: a directory of named members, each one LZO1X stream.
//
//   offset 0   int32  member count        (entries in the directory)
//   offset 4   int32  reserved
//   offset 8   28 × count directory entries:
//                0  char[16] name, code page 874, NUL-padded (16 bytes: no NUL)
//               16  int32    data offset, from the start of the data area
//               20  int32    packed size
//               24  int32    unpacked size
//   then       the data area (8 + 28 × count onwards): the packed members.
//
// Archives are opened, read and closed on every call.
#pragma once

#include <string>
#include <string_view>

#include "bytesource.h"

namespace lomarin {

// Larger members are taken for damage: no book member comes near it.
constexpr long long kMaxUnpackedSize = 512LL * 1024 * 1024;

// Finds the first member whose name equals MemberName byte for byte (the name field
// runs to its first NUL or all 16 bytes) and decompresses it into Out, whose size
// becomes the unpacked size. Answers that size, or 0 when no member has the name;
// Out is untouched then and on every error. Raises FileError: "Cannot open file PATH"
// for an archive that cannot be opened, a message naming the archive and the member
// for a damaged directory or member. Nothing is read outside the file.
int ExtractPakMember(const std::string& archivePath, std::string_view memberName, std::string& out);

// The same walk; answers whether the member is present, so that a present empty
// member can be told from an absent one.
bool ReadPakMember(const ByteSource& archive, std::string_view memberName, std::string& out);

}  // namespace lomarin
