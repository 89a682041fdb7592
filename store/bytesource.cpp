#include "bytesource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "fileerror.h"

namespace lomarin {

FileSource::FileSource(const std::string& path) : m_path(path) {
  m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st {};
  if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    if (m_fd >= 0) ::close(m_fd);
    throw FileError::CannotOpen(path);
  }
  m_size = static_cast<uint64_t>(st.st_size);
}

FileSource::~FileSource() { ::close(m_fd); }

bool FileSource::ReadAt(uint64_t offset, size_t n, char* dst) const {
  if (offset > m_size || n > m_size - offset) return false;
  size_t done = 0;
  while (done < n) {
    const ssize_t got = ::pread(m_fd, dst + done, n - done, static_cast<off_t>(offset + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    done += static_cast<size_t>(got);
  }
  return true;
}

bool MemorySource::ReadAt(uint64_t offset, size_t n, char* dst) const {
  if (offset > m_bytes.size() || n > m_bytes.size() - offset) return false;
  if (n > 0) std::memcpy(dst, m_bytes.data() + offset, n);
  return true;
}

}  // namespace lomarin
