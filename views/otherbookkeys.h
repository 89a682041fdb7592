// The window-list keys of the other books (code page 874): the fixed titles of the
// Milindapanha and the encyclopedia, and the suffixes that follow the decimal request
// code of a Visuddhimagga part or a chant book. A key's title is its text after "|".
#pragma once

#include <string_view>

namespace lomarin {

// มิลินทปัญหา
constexpr std::string_view kMilindaKey = "\xC1\xD4\xC5\xD4\xB9\xB7\xBB\xD1\xAD\xCB\xD2";
// สารานุกรมพระไตรปิฎก
constexpr std::string_view kEncyclopediaKey =
    "\xCA\xD2\xC3\xD2\xB9\xD8\xA1\xC3\xC1\xBE\xC3\xD0\xE4\xB5\xC3\xBB\xD4\xAE\xA1";

constexpr int kVisuddhiPartCount = 6;

// Parts 0 … 5.
constexpr std::string_view kVisuddhiKeySuffixes[kVisuddhiPartCount] = {
    "|\xC7\xD4\xCA\xD8\xB7\xB8\xD4\xC1\xC3\xC3\xA4 : \xC8\xD5\xC5 \xF1",          // |วิสุทธิมรรค : ศีล ๑
    "|\xC7\xD4\xCA\xD8\xB7\xB8\xD4\xC1\xC3\xC3\xA4 : \xC8\xD5\xC5 \xF2",          // |วิสุทธิมรรค : ศีล ๒
    "|\xC7\xD4\xCA\xD8\xB7\xB8\xD4\xC1\xC3\xC3\xA4 : \xCA\xC1\xD2\xB8\xD4 \xF1",  // |วิสุทธิมรรค : สมาธิ ๑
    "|\xC7\xD4\xCA\xD8\xB7\xB8\xD4\xC1\xC3\xC3\xA4 : \xCA\xC1\xD2\xB8\xD4 \xF2",  // |วิสุทธิมรรค : สมาธิ ๒
    "|\xC7\xD4\xCA\xD8\xB7\xB8\xD4\xC1\xC3\xC3\xA4 : \xBB\xD1\xAD\xAD\xD2 \xF1",  // |วิสุทธิมรรค : ปัญญา ๑
    "|\xC7\xD4\xCA\xD8\xB7\xB8\xD4\xC1\xC3\xC3\xA4 : \xBB\xD1\xAD\xAD\xD2 \xF2",  // |วิสุทธิมรรค : ปัญญา ๒
};

// Chant books 0 … 3, in the order of chantbooks.h.
constexpr std::string_view kChantKeySuffixes[] = {
    "|\xBA\xB7\xCA\xC7\xB4 : \xF1\xF2 \xB5\xD3\xB9\xD2\xB9",                                  // |บทสวด : ๑๒ ตำนาน
    "|\xBA\xB7\xCA\xC7\xB4 : \xBB\xC3\xD4\xC7\xD2\xCA\xA1\xC3\xC3\xC1",                      // |บทสวด : ปริวาสกรรม
    "|\xBA\xB7\xCA\xC7\xB4 : \xBB\xD2\xAF\xD4\xE2\xC1\xA1\xA2\xEC",                          // |บทสวด : ปาฏิโมกข์
    // |บทสวด : วิธีอุปสมบทแบบเดิม
    "|\xBA\xB7\xCA\xC7\xB4 : \xC7\xD4\xB8\xD5\xCD\xD8\xBB\xCA\xC1\xBA\xB7\xE1\xBA\xBA\xE0\xB4\xD4\xC1",
};

}  // namespace lomarin
