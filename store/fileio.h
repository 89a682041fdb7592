// Whole-file reads and atomic writes, shared by the compiler, the hit tables and the
// search history: a crash never leaves a half-written file behind.
#pragma once

#include <fstream>
#include <string>
#include <string_view>

namespace lomarin {

// The whole file; raises FileError::CannotOpen(path) when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// How a new file takes the place of an older one. ext4 starts writing a file's bytes out
// when it is renamed over another, which costs more than writing a search's hit table: a
// scratch file (the hit tables, rewritten by every search) is swapped with the old one
// instead, and after a system crash it may be found empty. Kept files (lists, history,
// the compiled library) are renamed.
enum class Replace { kKept, kScratch };

// Writes bytes to path + ".tmp" then puts it in place of path. Raises FileError on failure.
void WriteFileAtomically(const std::string& path, std::string_view bytes, Replace replace = Replace::kKept);

// The same, written piece by piece as the bytes come (a search writes each volume's hits
// while the next volumes are scanned). Path stays as it was until Commit; a writer
// destroyed without it removes its ".tmp" file. Raises FileError on failure.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(std::string path, Replace replace = Replace::kKept);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Append(std::string_view bytes);
  void Commit();

 private:
  void Fail(const std::string& path);

  std::string m_path;
  std::string m_tmp;
  Replace m_replace;
  std::ofstream m_out;
  bool m_done = false;
};

}  // namespace lomarin
