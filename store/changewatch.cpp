#include "changewatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace lomarin {
namespace {

// Names appearing, vanishing or moving in a folder on the way to a file.
constexpr uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
// Besides, the contents of the files in the file's own folder.
constexpr uint32_t kContentEvents = kNameEvents | IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE;
constexpr uint32_t kSelfGone = IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED | IN_UNMOUNT;

std::string ParentOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos || slash == 0) return "/";
  return path.substr(0, slash);
}

}  // namespace

bool PathUnder(const std::string& path, const std::string& prefix) {
  if (prefix == "/") return true;
  return path.compare(0, prefix.size(), prefix) == 0 && (path.size() == prefix.size() || path[prefix.size()] == '/');
}

ChangeWatch::ChangeWatch() : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

ChangeWatch::~ChangeWatch() {
  if (m_fd >= 0) ::close(m_fd);
}

std::string ChangeWatch::Canonical(const std::string& path) {
  std::error_code ec;
  std::string absolute = std::filesystem::absolute(path, ec).lexically_normal().string();
  if (ec) return path;
  while (absolute.size() > 1 && absolute.back() == '/') absolute.pop_back();
  return absolute;
}

bool ChangeWatch::WatchFolder(const std::string& folder, bool contents) {
  const auto known = m_watched.find(folder);
  if (known != m_watched.end() && (!contents || m_contentsWatched[folder])) return true;
  const int wd = ::inotify_add_watch(m_fd, folder.c_str(), (contents ? kContentEvents : kNameEvents) | IN_MASK_ADD);
  if (wd < 0) return false;
  if (known == m_watched.end()) m_folders[wd].push_back(folder);
  m_watched[folder] = wd;
  if (contents) m_contentsWatched[folder] = true;
  return true;
}

bool ChangeWatch::Watch(const std::string& canonicalPath) {
  if (m_fd < 0 || canonicalPath.empty() || canonicalPath[0] != '/') return false;
  std::string folder = ParentOf(canonicalPath);
  if (!WatchFolder(folder, true)) return false;
  while (folder != "/") {
    folder = ParentOf(folder);
    if (!WatchFolder(folder, false)) return false;
  }
  return true;
}

void ChangeWatch::Forget(int wd) {
  const auto found = m_folders.find(wd);
  if (found == m_folders.end()) return;
  for (const std::string& folder : found->second) {
    m_watched.erase(folder);
    m_contentsWatched.erase(folder);
  }
  m_folders.erase(found);
}

void ChangeWatch::Drain(const std::function<void(const std::string&)>& changed,
                        const std::function<void()>& changedAll) {
  if (m_fd < 0) return;
  alignas(inotify_event) char buffer[16 * 1024];
  for (;;) {
    const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return;  // EAGAIN: the queue is empty
    for (ssize_t at = 0; at < got;) {
      inotify_event event;
      std::memcpy(&event, buffer + at, sizeof event);
      const char* name = buffer + at + sizeof event;
      at += static_cast<ssize_t>(sizeof event + event.len);
      if (event.mask & IN_Q_OVERFLOW) {
        changedAll();
        continue;
      }
      const auto found = m_folders.find(event.wd);
      if (found == m_folders.end()) continue;
      const std::vector<std::string> folders = found->second;
      for (const std::string& folder : folders) {
        if (event.mask & kSelfGone) {
          changed(folder);
        } else if (event.len > 0) {
          changed(folder == "/" ? "/" + std::string(name) : folder + "/" + name);
        }
      }
      if (event.mask & kSelfGone) Forget(event.wd);
    }
  }
}

}  // namespace lomarin
