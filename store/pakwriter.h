// Writes PAK archives (layout in uunpak.h) for the library compiler and test fixtures.
#pragma once

#include <string>
#include <vector>

namespace lomarin {

struct PakMember {
  std::string name;   // code page 874, at most 16 bytes
  std::string bytes;  // unpacked contents
};

// The archive's bytes, members in the given order, each packed with LZO1X-999.
// Raises std::invalid_argument for a name longer than 16 bytes.
std::string BuildPakArchive(const std::vector<PakMember>& members);

// BuildPakArchive written atomically to path.
void WritePakArchive(const std::string& path, const std::vector<PakMember>& members);

}  // namespace lomarin
