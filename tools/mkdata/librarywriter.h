// Writes a complete data folder from a library source: the book files of bible/,
// others/ and link/, the book lists and the search index.
#pragma once

#include <string>

#include "librarysource.h"

namespace lomarin::mkdata {

// Writes every file into folder (ending in "/").
void WriteLibrary(LibrarySource library, const std::string& folder);

// Reads the sources in sourceFolder and writes the data folder outFolder as a whole: it
// is built beside outFolder under a temporary name and renamed into place (replacing an
// older one), so a source error or a failed write leaves outFolder as it was.
void CompileLibrary(const std::string& sourceFolder, const std::string& outFolder);

}  // namespace lomarin::mkdata
