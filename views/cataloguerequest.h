// What the catalogue asks for when the user opens the selected line: the document request
// code (category in bits 16 and up, the index in the low 16 bits) and, for a contents
// entry, the entry index for RequestArg.
//
//   book list, line i (categories 0, 1, 3, 4, 5)   code = category × 65536 + i, arg unchanged
//   contents entry e of book b (categories 0, 1, 3)  code = category × 65536 + b, arg = e
//   Milindapanha (category 2, its list is its contents)  code = 0x20000 + b, arg = e
#pragma once

#include <cstdint>
#include <optional>

namespace lomarin {

constexpr int kCategoryMilinda = 2;

struct CatalogueChoice {
  int32_t code = 0;
  std::optional<int32_t> arg;  // none: RequestArg stays as the caller set it
};

// Nothing without a selected line (selectedLine outside 0 … lineCount − 1), and nothing
// for a line whose index would not fit the low 16 bits of a request code.
std::optional<CatalogueChoice> CatalogueRequest(int category, bool contentsMode, int chosenBook, int selectedLine,
                                                int lineCount);

}  // namespace lomarin
