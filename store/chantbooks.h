// The four chant books: one PAK archive each in the data folder's "others/", holding one
// text member whose Thai name is cut to exactly 16 code page 874 bytes (no NUL in the
// directory). They have no contents list and no tables; the desktop extracts the member
// with ExtractPakMember and shows its lines.
#pragma once

#include <string>
#include <string_view>

namespace lomarin {

constexpr int kChantBookCount = 4;

struct ChantBook {
  std::string_view archive;  // file name in "others/"
  std::string_view member;   // code page 874, 16 bytes
};

// Chant numbers 0 … 3.
constexpr ChantBook kChantBooks[kChantBookCount] = {
    {"12legend.pak", "\xCA\xC7\xB4\xC1\xB9\xB5\xEC,1-151.tx"},                  // สวดมนต์,1-151.tx
    {"pariwad.pak", "\xBB\xC3\xD4\xC7\xD2\xCA\xE1\xC5\xD0\xBA\xB7\xCA\xC7\xB4" "36"},  // ปริวาสและบทสวด36
    {"patimok.pak", "\xBB\xD2\xB5\xD4\xE2\xC1\xA1\xA2\xEC\xCB\xB9\xE9\xD2\xB7\xD5\xE8"},  // ปาติโมกข์หน้าที่
    {"auppa.pak", "\xC7\xD4\xB8\xD5\xCD\xD8\xBB\xCA\xC1\xBA\xB7\xE1\xBA\xBA\xE0\xB4"},    // วิธีอุปสมบทแบบเด
};

// The archive of a chant book: data folder (ending in "/") + "others/" + its file name.
inline std::string ChantArchivePath(const std::string& dataFolder, int chant) {
  return dataFolder + "others/" + std::string(kChantBooks[chant].archive);
}

}  // namespace lomarin
