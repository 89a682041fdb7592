// Code page 874, the encoding of every book text, list and name in the library.
//
// One table maps each byte to exactly one UTF-16 unit and back. Bytes that code page 874
// leaves undefined map to private-use characters U+F700 + byte, so a line's byte offsets
// and character offsets always agree. This is the only place where book text changes
// encoding: the desktop (through QString::fromUtf16) and the command line (UTF-8) both
// convert here.
#pragma once

#include <string>
#include <string_view>

namespace lomarin {

// The UTF-16 unit of a code page 874 byte.
char16_t Cp874ToUnicode(unsigned char byte);

// The byte of a UTF-16 unit; false when the unit has no byte in code page 874.
bool UnicodeToCp874(char16_t unit, unsigned char& byte);

std::u16string Cp874ToUtf16(std::string_view bytes);
// False (and `out` unspecified) when a unit has no byte in code page 874.
bool Utf16ToCp874(std::u16string_view text, std::string& out);

std::string Cp874ToUtf8(std::string_view bytes);
// False (and `out` unspecified) when the UTF-8 is malformed or a character has no byte.
bool Utf8ToCp874(std::string_view utf8, std::string& out);

}  // namespace lomarin
