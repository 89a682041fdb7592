#include "fileio.h"

#include <fcntl.h>
#include <stdio.h>

#include <cstdio>
#include <filesystem>
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

void WriteFileAtomically(const std::string& path, std::string_view bytes, Replace replace) {
  AtomicFileWriter writer(path, replace);
  writer.Append(bytes);
  writer.Commit();
}

AtomicFileWriter::AtomicFileWriter(std::string path, Replace replace)
    : m_path(std::move(path)),
      m_tmp(m_path + ".tmp"),
      m_replace(replace),
      m_out(m_tmp, std::ios::binary | std::ios::trunc) {
  if (!m_out) throw FileError::CannotOpen(m_tmp);
}

AtomicFileWriter::~AtomicFileWriter() {
  if (m_done) return;
  m_out.close();
  std::remove(m_tmp.c_str());
}

void AtomicFileWriter::Append(std::string_view bytes) {
  m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!m_out) Fail(m_tmp);
}

void AtomicFileWriter::Commit() {
  m_out.close();
  if (!m_out) Fail(m_tmp);
  // Swapping needs an older file (not a folder: that would stay behind under the ".tmp"
  // name) and a file system that can; otherwise the rename.
  std::error_code ignored;
  if (m_replace == Replace::kScratch && std::filesystem::is_regular_file(std::filesystem::symlink_status(m_path, ignored)) &&
      ::renameat2(AT_FDCWD, m_tmp.c_str(), AT_FDCWD, m_path.c_str(), RENAME_EXCHANGE) == 0) {
    std::remove(m_tmp.c_str());  // the older file, now
  } else if (std::rename(m_tmp.c_str(), m_path.c_str()) != 0) {
    Fail(m_path);
  }
  m_done = true;
}

void AtomicFileWriter::Fail(const std::string& path) {
  m_out.close();
  std::remove(m_tmp.c_str());
  m_done = true;
  throw FileError("Cannot write file " + path);
}

}  // namespace lomarin
