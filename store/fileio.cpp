#include "fileio.h"

#include <cstdio>
#include <fstream>

#include "bytesource.h"
#include "fileerror.h"

namespace lomarin {

std::string ReadWholeFile(const std::string& path) {
  const FileSource file(path);
  std::string bytes(file.Size(), '\0');
  if (!file.ReadAt(0, bytes.size(), bytes.data())) throw FileError::CannotOpen(path);
  return bytes;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string tmp = path + ".tmp";
  {
    std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
    if (!out) throw FileError::CannotOpen(tmp);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::remove(tmp.c_str());
      throw FileError("Cannot write file " + tmp);
    }
  }
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    std::remove(tmp.c_str());
    throw FileError("Cannot write file " + path);
  }
}

}  // namespace lomarin
