// The commentary comparison of a numbered-book reader: from the Tipitaka item at the top
// of the view to the Atthakatha page that explains it, and from the Atthakatha page at
// the top to the Tipitaka item it comments on, through the link tables of "link/".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lomarin {

struct ComparisonTarget {
  int32_t requestCode = 0;  // the document request that opens the target volume
  int line = 0;             // the target's line to put at the top
};

// Where comparing from line `top` of `volume` leads (the Atthakatha when fromAtthakatha
// is false, the Tipitaka otherwise). Nothing when the top line has no link, and when the
// link names a volume outside its collection or a page or item outside the target's
// tables: such a link is not followed. Store lookups may raise FileError.
std::optional<ComparisonTarget> FindComparisonTarget(const std::string& dataFolder, bool fromAtthakatha, int volume,
                                                     int top);

}  // namespace lomarin
