// Random-access read-only bytes: a file on disk or a buffer in memory. Readers of the
// book formats take a ByteSource so the same code serves files, tests and fuzzers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lomarin {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t Size() const = 0;
  // Reads exactly n bytes at offset into dst; false when fewer are there.
  virtual bool ReadAt(uint64_t offset, size_t n, char* dst) const = 0;
  // The name used in error messages (the path for files).
  virtual const std::string& Name() const = 0;
};

// An open file. Construction raises FileError::CannotOpen(path) when it cannot be
// opened for reading; the file is closed when the object goes.
class FileSource final : public ByteSource {
 public:
  explicit FileSource(const std::string& path);
  ~FileSource() override;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  uint64_t Size() const override { return m_size; }
  bool ReadAt(uint64_t offset, size_t n, char* dst) const override;
  const std::string& Name() const override { return m_path; }

 private:
  std::string m_path;
  int m_fd = -1;
  uint64_t m_size = 0;
};

// Bytes owned by someone else; they must outlive the source.
class MemorySource final : public ByteSource {
 public:
  MemorySource(std::string_view bytes, std::string name) : m_bytes(bytes), m_name(std::move(name)) {}
  uint64_t Size() const override { return m_bytes.size(); }
  bool ReadAt(uint64_t offset, size_t n, char* dst) const override;
  const std::string& Name() const override { return m_name; }

 private:
  std::string_view m_bytes;
  std::string m_name;
};

}  // namespace lomarin
