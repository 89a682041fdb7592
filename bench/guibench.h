// What the desktop benchmarks share: a shown desktop on a library, closing every reader
// it holds, and the offscreen main that runs the benchmarks.
#pragma once

#include <memory>
#include <string>

namespace lomarin {

class TfrmMain;

// A desktop on `dataFolder`, 1600 × 900, shown, its start-up timer stopped.
std::unique_ptr<TfrmMain> NewBenchDesktop(const std::string& dataFolder);

// Closes every reader as its close button does, stops the menu timer (with no document
// left the desktop would open its menu at the next event) and lets the readers go.
void CloseAllReaders(TfrmMain& desktop);

// Runs the benchmarks named on the command line offscreen, with the Thai fonts in place.
int RunDesktopBenchmarks(int argc, char** argv);

}  // namespace lomarin
