// Tells the table cache which files changed on disk since it last asked, without a
// stat per lookup. One inotify descriptor watches the folder of every cached file and
// each folder above it (so a renamed or replaced folder is noticed too). The kernel
// queues a change's event before the changing call returns, so draining the queue
// before answering from the cache never answers from a file that was replaced.
// Not thread-safe: the table cache calls it under its lock.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace lomarin {

class ChangeWatch {
 public:
  ChangeWatch();
  ~ChangeWatch();
  ChangeWatch(const ChangeWatch&) = delete;
  ChangeWatch& operator=(const ChangeWatch&) = delete;

  // The absolute, normalised form of path that Drain reports changes under.
  static std::string Canonical(const std::string& path);

  // Starts watching the file at canonicalPath (its folder and every folder above).
  // False when the platform cannot watch it: the caller must check the file itself.
  bool Watch(const std::string& canonicalPath);

  // Reports every change queued since the last call: changed(prefix) for a file or
  // folder that changed (everything under prefix is stale), changedAll() when events
  // were lost. One system call when nothing changed.
  void Drain(const std::function<void(const std::string& prefix)>& changed,
             const std::function<void()>& changedAll);

 private:
  bool WatchFolder(const std::string& folder, bool contents);
  void Forget(int wd);

  int m_fd = -1;
  std::unordered_map<int, std::vector<std::string>> m_folders;  // watch -> folders it covers
  std::unordered_map<std::string, int> m_watched;               // folder -> its watch
  std::unordered_map<std::string, bool> m_contentsWatched;
};

// True when path lies at or under prefix (a whole-component prefix).
bool PathUnder(const std::string& path, const std::string& prefix);

}  // namespace lomarin
