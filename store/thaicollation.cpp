#include "thaicollation.h"

#include <unicode/ucol.h>

#include <memory>
#include <mutex>
#include <stdexcept>

#include "cp874.h"

namespace lomarin {
namespace {

struct CollatorCloser {
  void operator()(UCollator* c) const { ucol_close(c); }
};
using Collator = std::unique_ptr<UCollator, CollatorCloser>;

Collator OpenThai(UColAttributeValue strength) {
  UErrorCode status = U_ZERO_ERROR;
  Collator c(ucol_open("th", &status));
  if (U_FAILURE(status)) throw std::runtime_error("Thai collation is not available");
  ucol_setStrength(c.get(), strength);
  return c;
}

const UCollator* CollatorFor(CaseRule rule) {
  static const Collator sensitive = OpenThai(UCOL_TERTIARY);
  static const Collator insensitive = OpenThai(UCOL_SECONDARY);
  return rule == CaseRule::Sensitive ? sensitive.get() : insensitive.get();
}

}  // namespace

int ThaiCompare(std::string_view a, std::string_view b, CaseRule rule) {
  const std::u16string wa = Cp874ToUtf16(a);
  const std::u16string wb = Cp874ToUtf16(b);
  const UCollationResult r = ucol_strcoll(CollatorFor(rule), wa.data(), static_cast<int32_t>(wa.size()),
                                          wb.data(), static_cast<int32_t>(wb.size()));
  return r == UCOL_LESS ? -1 : r == UCOL_GREATER ? 1 : 0;
}

}  // namespace lomarin
