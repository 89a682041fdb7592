#include "indexformat.h"

#include <cstdio>

#include "coding.h"

namespace lomarin {
namespace {

std::string Numbered(const char* pattern, int volume) {
  char name[32];
  std::snprintf(name, sizeof name, pattern, volume);
  return name;
}

bool IsTipitaka(Collection c) { return c == Collection::Tipitaka; }

}  // namespace

std::string IndexFileName(Collection c) { return IsTipitaka(c) ? "TPSDB.IDX" : "ATSDB.IDX"; }
std::string HitBlockFileName(Collection c) { return IsTipitaka(c) ? "TPSDB.PAK" : "ATSDB.PAK"; }
std::string FrequencyFileName(Collection c) { return IsTipitaka(c) ? "TP.SDM" : "AT.SDM"; }
std::string PositionArchiveName(Collection c) { return IsTipitaka(c) ? "TPSNDB.PAK" : "ATSPDB.PAK"; }
std::string TextArchiveName(Collection c) { return IsTipitaka(c) ? "TPDAT.PAK" : "ATDAT.PAK"; }

std::string PositionMemberName(Collection c, int volume) {
  return Numbered(IsTipitaka(c) ? "TPNUM%02d.SDB" : "ADAT%02d.SPD", volume);
}

std::string TextMemberName(Collection c, int volume) {
  return Numbered(IsTipitaka(c) ? "TDAT%02d.DAT" : "ADAT%02d.DAT", volume);
}

void PutHitRecord(std::string& dst, const HitRecord& hit) {
  PutFixed16(dst, hit.volume);
  PutFixed32(dst, static_cast<uint32_t>(hit.position));
}

HitRecord DecodeHitRecord(const char* p) { return {DecodeFixed16(p), DecodeSigned32(p + 2)}; }

void PutPositionRecord(std::string& dst, const PositionRecord& record) {
  PutFixed16(dst, record.number);
  PutFixed32(dst, static_cast<uint32_t>(record.start));
  PutFixed32(dst, static_cast<uint32_t>(record.end));
}

PositionRecord DecodePositionRecord(const char* p) {
  return {DecodeFixed16(p), DecodeSigned32(p + 2), DecodeSigned32(p + 6)};
}

}  // namespace lomarin
