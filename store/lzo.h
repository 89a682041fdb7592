// LZO1X, the compression of every archive member, encyclopedia article and hit block.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lomarin {

// Decompresses src into exactly dstLen bytes at dst with liblzo2's bounds-checked
// decompressor. False when the data is damaged, would overrun dst, or yields fewer
// than dstLen bytes.
bool LzoDecompress(const char* src, size_t srcLen, char* dst, size_t dstLen);

// LZO1X-999 (best ratio), as the library compiler writes every block.
std::string LzoCompress(std::string_view data);

}  // namespace lomarin
