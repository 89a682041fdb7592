#include "bookswitchplan.h"

namespace lomarin {

std::optional<BookSwitchPlan> PlanBookSwitch(const std::vector<int>& ticked, int selected, int count, int pageTop,
                                             int pageHeight) {
  const int fullHeight = pageHeight - 100;
  if (ticked.size() == 2) {
    const int upper = ticked[0];
    const int lower = ticked[1];
    const int half = fullHeight / 2;
    const int upperTop = pageTop + 50;
    BookSwitchPlan plan;
    plan.views = {{lower, upperTop + half, half, upper}, {upper, upperTop, half, lower}};
    plan.currentIndex = upper;
    return plan;
  }
  if (ticked.size() > 2) return std::nullopt;
  const int alone = ticked.empty() ? selected : ticked[0];
  if (alone < 0 || alone >= count) return std::nullopt;
  BookSwitchPlan plan;
  plan.views = {{alone, pageTop + (pageHeight - fullHeight) / 2, fullHeight, -1}};
  plan.currentIndex = alone;
  return plan;
}

}  // namespace lomarin
