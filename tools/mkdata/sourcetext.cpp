#include "sourcetext.h"

#include <cstdio>

#include "cp874.h"
#include "fileio.h"
#include "sourceerror.h"

namespace lomarin::mkdata {
namespace {

// Length of the UTF-8 sequence at p (its code point in cp), or 0 when malformed.
size_t DecodeUtf8(std::string_view s, size_t i, char32_t& cp) {
  const auto b = [&](size_t k) { return static_cast<unsigned char>(s[i + k]); };
  const unsigned char c = b(0);
  if (c < 0x80) {
    cp = c;
    return 1;
  }
  size_t n = 0;
  if (c >= 0xC2 && c <= 0xDF) {
    n = 2, cp = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    n = 3, cp = c & 0x0F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    n = 4, cp = c & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((b(k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b(k) & 0x3F);
  }
  const char32_t minimum[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

bool IsValidUtf8(std::string_view s) {
  char32_t cp;
  for (size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    const size_t n = DecodeUtf8(s, i, cp);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

bool IsDefinedCp874(unsigned char byte) { return Cp874ToUnicode(byte) < 0xF700; }

std::string Hex(unsigned value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, value > 0xFF ? "U+%04X" : "0x%02X", value);
  return buf;
}

}  // namespace

std::string DecodeSource(std::string_view raw, const std::string& path) {
  if (raw.substr(0, 3) == "\xEF\xBB\xBF") raw.remove_prefix(3);
  const bool utf8 = IsValidUtf8(raw);
  std::string out;
  out.reserve(raw.size());
  int line = 1;
  for (size_t i = 0; i < raw.size();) {
    const unsigned char c = static_cast<unsigned char>(raw[i]);
    if (c == '\n' || (c == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n')) {
      out.push_back('\n');
      i += c == '\r' ? 2 : 1;
      ++line;
      continue;
    }
    if (c < 0x20 || c == 0x7F) {
      if (c != '\t') throw SourceError(path, line, "control character " + Hex(c) + " in the text");
      out.push_back('\t');
      ++i;
      continue;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    unsigned char byte = c;
    if (utf8) {
      char32_t cp = 0;
      const size_t n = DecodeUtf8(raw, i, cp);
      if (cp > 0xFFFF || !UnicodeToCp874(static_cast<char16_t>(cp), byte) || !IsDefinedCp874(byte)) {
        throw SourceError(path, line,
                          "text not representable in code page 874: " + std::string(raw.substr(i, n)) + " (" +
                              Hex(static_cast<unsigned>(cp)) + ")");
      }
      i += n;
    } else {
      if (!IsDefinedCp874(byte)) {
        throw SourceError(path, line, "byte " + Hex(byte) + " is not a character of code page 874");
      }
      ++i;
    }
    out.push_back(static_cast<char>(byte));
  }
  if (!out.empty() && out.back() != '\n') out.push_back('\n');
  return out;
}

SourceFile ReadSourceFile(const std::string& path) { return {path, DecodeSource(ReadWholeFile(path), path)}; }

std::vector<std::string_view> SplitWords(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
    if (i > start) words.push_back(text.substr(start, i - start));
  }
  return words;
}

}  // namespace lomarin::mkdata
