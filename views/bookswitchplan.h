// Where the open-books switcher puts the views it shows. The reading area is the
// desktop's page image; a view alone is (page height − 100) high and stands 50 pixels
// below the page's top; two views share that height in halves, the upper one of the
// list above, each naming the other as its partner. Left edges and widths stay.
#pragma once

#include <optional>
#include <vector>

namespace lomarin {

struct ViewPlacement {
  int index = -1;  // window-list position
  int top = 0;
  int height = 0;
  int partner = -1;  // PartnerIndex
};

struct BookSwitchPlan {
  // In the order the views are raised and shown: the lower view first, the upper last.
  std::vector<ViewPlacement> views;
  int currentIndex = -1;
};

// `ticked` in list order. One line ticked, or none (then `selected`), shows that view
// alone; two tile; more than two, or no line to show, plan nothing.
std::optional<BookSwitchPlan> PlanBookSwitch(const std::vector<int>& ticked, int selected, int count, int pageTop,
                                             int pageHeight);

}  // namespace lomarin
