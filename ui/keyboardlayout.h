// Keyboard layouts: the query fields ask for the Thai layout while they have the focus
// and for US English when they lose it. The desktop has no portable way to switch the
// layout of the user's session, so on Linux the request is left to the user's own
// layout switcher and does nothing here.
#pragma once

#include <cstdint>

namespace lomarin {

constexpr uint32_t kThaiKeyboardLayout = 0x041E041E;
constexpr uint32_t kEnglishKeyboardLayout = 0x04090409;

inline void ActivateKeyboardLayout(uint32_t /*layout*/) {}

}  // namespace lomarin
