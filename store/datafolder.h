// Where the program and lomarin-cli find the library. In order: the --data option, the
// LOMARIN_DATA environment variable, the executable's folder when it holds "bible/",
// else the bundled sample library. The answer always ends in "/".
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace lomarin {

struct DataFolderInputs {
  std::optional<std::string> option;       // --data DIR
  std::optional<std::string> environment;  // LOMARIN_DATA
  std::string executableFolder;
  std::string sampleLibrary;
  std::function<bool(const std::string&)> isFolder;
};

std::string ResolveDataFolder(const DataFolderInputs& in);

// The inputs of this process (environment, /proc/self/exe, the compiled-in sample path).
DataFolderInputs ProcessDataFolderInputs(std::optional<std::string> option);

}  // namespace lomarin
