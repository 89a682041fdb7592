#include "datafolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace lomarin {
namespace {

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

}  // namespace

std::string ResolveDataFolder(const DataFolderInputs& in) {
  if (in.option && !in.option->empty()) return WithSlash(*in.option);
  if (in.environment && !in.environment->empty()) return WithSlash(*in.environment);
  const std::string exe = WithSlash(in.executableFolder);
  if (!in.executableFolder.empty() && in.isFolder && in.isFolder(exe + "bible")) return exe;
  return WithSlash(in.sampleLibrary);
}

DataFolderInputs ProcessDataFolderInputs(std::optional<std::string> option) {
  DataFolderInputs in;
  in.option = std::move(option);
  if (const char* env = std::getenv("LOMARIN_DATA")) in.environment = env;
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n > 0) {
    std::string exe(buf, static_cast<size_t>(n));
    in.executableFolder = exe.substr(0, exe.rfind('/') + 1);
  }
  in.sampleLibrary = LOMARIN_SAMPLE_LIBRARY;
  in.isFolder = [](const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  };
  return in;
}

}  // namespace lomarin
