// lomarin-mkdata: compiles a library's plain-text sources into a data folder, or checks
// a data folder.
//
//   lomarin-mkdata SRC OUT        exit 0, or 2 with the first source error on stderr
//   lomarin-mkdata --check DIR    exit 0, or 1 with every problem found on stdout
#include <iostream>

#include "librarycheck.h"
#include "librarywriter.h"

namespace {

constexpr const char* kUsage = "usage: lomarin-mkdata SRC OUT\n       lomarin-mkdata --check DIR";

int Check(const std::string& folder) {
  const lomarin::mkdata::CheckResult result = lomarin::mkdata::CheckLibrary(folder);
  for (const std::string& problem : result.problems) std::cout << problem << '\n';
  if (result.problemCount > result.problems.size()) {
    std::cout << "... and " << result.problemCount - result.problems.size() << " more problems\n";
  }
  if (result.problemCount == 0) {
    std::cout << folder << ": no problems found\n";
    return 0;
  }
  std::cout << result.problemCount << " problems\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  try {
    if (args.size() == 2 && args[0] == "--check") return Check(args[1]);
    if (args.size() == 2 && args[0].rfind("--", 0) != 0) {
      lomarin::mkdata::CompileLibrary(args[0], args[1]);
      return 0;
    }
    std::cerr << kUsage << '\n';
  } catch (const std::exception& e) {
    std::cerr << "lomarin-mkdata: " << e.what() << '\n';
  }
  return 2;
}
