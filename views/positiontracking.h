// What the numbered-book reader shows for its top line, and where its jumps go. Plain
// computations over the store's lookups (each sets its store unit's folder first), so
// that tests reach them without widgets.
#pragma once

#include <optional>
#include <string>

namespace lomarin {

// Books without a page table are counted in pages of this many lines.
constexpr int kLinesPerUntabledPage = 25;

struct TrackedPosition {
  int page = 0;                        // 1-based page of the top line, for stPage
  std::optional<int> item;             // for stNum; nothing where the kind shows none
  std::optional<std::string> header;   // status panel 2's text (code page 874), at width 400
  std::optional<bool> compareVisible;  // btnT_ASwitch; nothing where it stays as it is
};

// Page, item, running head and comparison of a document of `kind` (0 Tipitaka volume,
// 1 Atthakatha volume, 3 Visuddhimagga part `volume` − 1, 2 and any other: pages of 25
// lines) whose top line is `top`.
// REQUIRES: the text holds lines. Store lookups may raise FileError.
TrackedPosition TrackPosition(const std::string& dataFolder, int kind, int volume, int top);

constexpr int kItemsPerVolume = 2600;

// The first line of item `item` of a Tipitaka volume; nothing for an item outside
// 1 … 2600 or without lines (first line 0).
std::optional<int> ItemJumpLine(const std::string& dataFolder, int volume, int item);

// The first line of page `page` of a volume of `kind` (1 Atthakatha, else Tipitaka);
// nothing for a page outside the page table or whose first line is negative. Page 1 is
// always taken, at line 0 when its first line is negative.
std::optional<int> PageJumpLine(const std::string& dataFolder, int kind, int volume, int page);

}  // namespace lomarin
