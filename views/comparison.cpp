#include "comparison.h"

#include "attaproc.h"
#include "documentcode.h"
#include "indexformat.h"
#include "positiontracking.h"
#include "tipiproc.h"
#include "tlinkaproc.h"

namespace lomarin {

std::optional<ComparisonTarget> FindComparisonTarget(const std::string& dataFolder, bool fromAtthakatha, int volume,
                                                     int top) {
  SetLinkFolder(dataFolder + "link/");
  uint32_t link = 0;
  if (fromAtthakatha) {
    SetAtthakathaFolder(dataFolder + "bible/");
    const int page = AtthakathaPageOfLine(volume, top);
    if (page == 0) return std::nullopt;
    link = AtthakathaToTipitaka(volume, page + 1);
  } else {
    SetTipitakaFolder(dataFolder + "bible/");
    const int item = TipitakaItemOfLine(volume, top);
    if (item == 0) return std::nullopt;
    link = TipitakaToAtthakatha(volume, item);
  }
  const int targetVolume = static_cast<int>(link & 0xFFFF);
  const int position = static_cast<int>(link >> 16);
  if (targetVolume == 0) return std::nullopt;
  if (fromAtthakatha) {
    if (targetVolume > kTipitakaVolumes) return std::nullopt;
    const std::optional<int> line = ItemJumpLine(dataFolder, targetVolume, position);
    if (!line) return std::nullopt;
    return ComparisonTarget{(kKindTipitaka << 16) + targetVolume - 1, *line};
  }
  if (targetVolume > kAtthakathaVolumes) return std::nullopt;
  const std::optional<int> line = PageJumpLine(dataFolder, kKindAtthakatha, targetVolume, position);
  if (!line) return std::nullopt;
  return ComparisonTarget{(kKindAtthakatha << 16) + targetVolume - 1, *line};
}

}  // namespace lomarin
