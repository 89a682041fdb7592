// Little-endian field helpers. Every integer in the book files is little-endian and
// packed; fields are decoded byte by byte, never by casting a struct onto file bytes.
#pragma once

#include <cstdint>
#include <string>

namespace lomarin {

inline uint16_t DecodeFixed16(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

inline uint32_t DecodeFixed32(const char* p) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

inline int32_t DecodeSigned32(const char* p) { return static_cast<int32_t>(DecodeFixed32(p)); }

inline void EncodeFixed16(char* p, uint16_t v) {
  p[0] = static_cast<char>(v & 0xff);
  p[1] = static_cast<char>(v >> 8);
}

inline void EncodeFixed32(char* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xff);
}

inline void PutFixed16(std::string& dst, uint16_t v) {
  char bytes[2];
  EncodeFixed16(bytes, v);
  dst.append(bytes, sizeof bytes);
}

inline void PutFixed32(std::string& dst, uint32_t v) {
  char bytes[4];
  EncodeFixed32(bytes, v);
  dst.append(bytes, sizeof bytes);
}

}  // namespace lomarin
