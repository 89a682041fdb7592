// A scratch folder for one test, removed with everything in it when the test ends.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace lomarin::testing {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lomarin-test-XXXXXX").string();
    m_path = ::mkdtemp(pattern.data());
  }
  ~TempDir() { std::filesystem::remove_all(m_path); }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The folder with a trailing "/", as the store expects its folders.
  std::string Folder() const { return m_path + "/"; }
  std::string Path(std::string_view name) const { return Folder() + std::string(name); }

  std::string Write(std::string_view name, std::string_view bytes) const {
    const std::string path = Path(name);
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

 private:
  std::string m_path;
};

}  // namespace lomarin::testing
