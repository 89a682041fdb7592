#include "thaidigits.h"

namespace lomarin {

std::string ThaiDigits(long long number) {
  std::string digits = std::to_string(number < 0 ? 0 : number);
  for (char& c : digits) c = static_cast<char>(0xF0 + (c - '0'));
  return digits;
}

std::string ArabicDigits(std::string_view text) {
  std::string out;
  for (unsigned char b : text) out += std::to_string(static_cast<int>(b) - 0xF0);
  return out;
}

}  // namespace lomarin
