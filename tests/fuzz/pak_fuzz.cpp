// Feeds arbitrary bytes to the archive reader as a whole archive. The member asked for
// is the first directory entry's name when there is one, so damaged members get read.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "bytesource.h"
#include "fileerror.h"
#include "uunpak.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string name = "A";
  if (size >= 8 + 16) {
    name.assign(bytes.substr(8, 16));
    name.resize(strnlen(name.data(), 16));
  }
  const lomarin::MemorySource archive(bytes, "fuzz.pak");
  std::string out = "untouched";
  try {
    lomarin::ReadPakMember(archive, name, out);
  } catch (const lomarin::FileError&) {
    if (out != "untouched") __builtin_trap();  // a failure must leave Out as it was
  }
  return 0;
}
