#include "cp874.h"

#include <array>

namespace lomarin {
namespace {

constexpr char16_t kPrivateUseBase = 0xF700;

constexpr std::array<char16_t, 256> BuildTable() {
  std::array<char16_t, 256> t{};
  for (int b = 0; b < 256; ++b) t[b] = static_cast<char16_t>(kPrivateUseBase + b);
  for (int b = 0; b < 0x80; ++b) t[b] = static_cast<char16_t>(b);
  t[0x80] = 0x20AC;  // euro sign
  t[0x85] = 0x2026;  // ellipsis
  const char16_t quotes[] = {0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014};
  for (int i = 0; i < 7; ++i) t[0x91 + i] = quotes[i];
  t[0xA0] = 0x00A0;
  for (int b = 0xA1; b <= 0xDA; ++b) t[b] = static_cast<char16_t>(0x0E01 + (b - 0xA1));
  for (int b = 0xDF; b <= 0xFB; ++b) t[b] = static_cast<char16_t>(0x0E3F + (b - 0xDF));
  return t;
}

constexpr std::array<char16_t, 256> kTable = BuildTable();

}  // namespace

char16_t Cp874ToUnicode(unsigned char byte) { return kTable[byte]; }

bool UnicodeToCp874(char16_t unit, unsigned char& byte) {
  int candidate = -1;
  if (unit < 0x80) {
    candidate = unit;
  } else if (unit >= 0x0E01 && unit <= 0x0E3A) {
    candidate = 0xA1 + (unit - 0x0E01);
  } else if (unit >= 0x0E3F && unit <= 0x0E5B) {
    candidate = 0xDF + (unit - 0x0E3F);
  } else if (unit >= kPrivateUseBase && unit <= kPrivateUseBase + 0xFF) {
    candidate = unit - kPrivateUseBase;
  } else {
    for (int b = 0x80; b <= 0xA0; ++b) {
      if (kTable[b] == unit) candidate = b;
    }
  }
  if (candidate < 0 || kTable[candidate] != unit) return false;
  byte = static_cast<unsigned char>(candidate);
  return true;
}

std::u16string Cp874ToUtf16(std::string_view bytes) {
  std::u16string out(bytes.size(), u'\0');
  for (size_t i = 0; i < bytes.size(); ++i) out[i] = kTable[static_cast<unsigned char>(bytes[i])];
  return out;
}

bool Utf16ToCp874(std::u16string_view text, std::string& out) {
  out.resize(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char b;
    if (!UnicodeToCp874(text[i], b)) return false;
    out[i] = static_cast<char>(b);
  }
  return true;
}

std::string Cp874ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3);
  for (unsigned char c : bytes) {
    const char16_t u = kTable[c];
    if (u < 0x80) {
      out.push_back(static_cast<char>(u));
    } else if (u < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (u >> 6)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xE0 | (u >> 12)));
      out.push_back(static_cast<char>(0x80 | ((u >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (u & 0x3F)));
    }
  }
  return out;
}

bool Utf8ToCp874(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    uint32_t cp;
    size_t len;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0) {
      cp = c & 0x1F;
      len = 2;
    } else if ((c & 0xF0) == 0xE0) {
      cp = c & 0x0F;
      len = 3;
    } else {
      return false;  // four-byte sequences lie outside the code page anyway
    }
    if (i + len > utf8.size()) return false;
    for (size_t k = 1; k < len; ++k) {
      const auto cc = static_cast<unsigned char>(utf8[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (cc & 0x3F);
    }
    if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800)) return false;  // overlong
    unsigned char b;
    if (!UnicodeToCp874(static_cast<char16_t>(cp), b)) return false;
    out.push_back(static_cast<char>(b));
    i += len;
  }
  return true;
}

}  // namespace lomarin
