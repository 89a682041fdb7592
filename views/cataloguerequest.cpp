#include "cataloguerequest.h"

namespace lomarin {
namespace {

constexpr int kLastIndex = 0xFFFF;

int32_t Code(int category, int index) { return category * 0x10000 + index; }

}  // namespace

std::optional<CatalogueChoice> CatalogueRequest(int category, bool contentsMode, int chosenBook, int selectedLine,
                                                int lineCount) {
  if (selectedLine < 0 || selectedLine >= lineCount) return std::nullopt;
  if (!contentsMode && category != kCategoryMilinda) {
    if (selectedLine > kLastIndex) return std::nullopt;
    return CatalogueChoice{Code(category, selectedLine), std::nullopt};
  }
  if (chosenBook < 0 || chosenBook > kLastIndex) return std::nullopt;
  return CatalogueChoice{Code(category, chosenBook), selectedLine};
}

}  // namespace lomarin
