// Document request codes: bits 16-23 the kind, bits 0-15 the index within the kind;
// two whole codes show modal screens instead of a document.
#pragma once

#include <cstdint>

namespace lomarin {

enum DocumentKind : int {
  kKindTipitaka = 0,
  kKindAtthakatha = 1,
  kKindMilinda = 2,
  kKindVisuddhi = 3,
  kKindEncyclopedia = 4,
  kKindChant = 5,
  kKindSearchResults = 15,
};

constexpr int32_t kSearchResultsCode = 0x0F0000;
constexpr int32_t kCatalogueCode = 0x100000;
constexpr int32_t kIntroCode = 0x400000;

constexpr int RequestKind(int32_t code) { return (code >> 16) & 0xFF; }
constexpr int RequestIndex(int32_t code) { return code & 0xFFFF; }

}  // namespace lomarin
