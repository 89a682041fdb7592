#include "pakwriter.h"

#include <stdexcept>

#include "coding.h"
#include "cp874.h"
#include "fileio.h"
#include "lzo.h"

namespace lomarin {

std::string BuildPakArchive(const std::vector<PakMember>& members) {
  std::string directory;
  std::string data;
  for (const PakMember& m : members) {
    if (m.name.size() > 16) {
      throw std::invalid_argument("PAK member name longer than 16 bytes: " + Cp874ToUtf8(m.name));
    }
    const std::string packed = LzoCompress(m.bytes);
    std::string name = m.name;
    name.resize(16, '\0');
    directory += name;
    PutFixed32(directory, static_cast<uint32_t>(data.size()));
    PutFixed32(directory, static_cast<uint32_t>(packed.size()));
    PutFixed32(directory, static_cast<uint32_t>(m.bytes.size()));
    data += packed;
  }
  std::string archive;
  PutFixed32(archive, static_cast<uint32_t>(members.size()));
  PutFixed32(archive, 0);
  return archive + directory + data;
}

void WritePakArchive(const std::string& path, const std::vector<PakMember>& members) {
  WriteFileAtomically(path, BuildPakArchive(members));
}

}  // namespace lomarin
