// Thai dictionary order (ICU's Thai collator), the one place where code page 874 texts
// are compared by locale: the window list's keys and the search's result rows. Never
// depends on the process locale.
#pragma once

#include <string_view>

namespace lomarin {

enum class CaseRule { Sensitive, Insensitive };

// < 0, 0 or > 0 as a sorts before, with or after b. Keys beginning with digits come
// before keys beginning with Thai letters.
int ThaiCompare(std::string_view a, std::string_view b, CaseRule rule);

}  // namespace lomarin
