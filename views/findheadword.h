// The encyclopedia's type-ahead: which headword the word list moves to while the user
// types. Plain code over code page 874 bytes, so tests reach it without widgets.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lomarin {

// Typed text and headwords are compared in buffers of this many bytes; longer texts are
// cut, never compared past it.
constexpr size_t kHeadwordBufferBytes = 255;

// The headword to select for `typed`: the first one whose leading bytes equal the longest
// leading part of `typed` that any headword has (byte comparison). The first headword for
// an empty text; nothing — the selection stays — when no headword shares even the first
// byte, or the list is empty.
std::optional<int> FindHeadword(const std::vector<std::string>& headwords, std::string_view typed);

}  // namespace lomarin
