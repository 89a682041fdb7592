// Numbers on screen and on paper: Thai digits of code page 874, digit d is byte 0xF0 + d.
#pragma once

#include <string>
#include <string_view>

namespace lomarin {

// The decimal digits of Number (>= 0), each written as byte 0xF0 + digit: 12 -> "๑๒".
std::string ThaiDigits(long long number);

// For each byte b of Text, in order, the decimal text of b - 0xF0: "๑๒" -> "12".
// Its input is a caption made by ThaiDigits.
std::string ArabicDigits(std::string_view text);

}  // namespace lomarin
