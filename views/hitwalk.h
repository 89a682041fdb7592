// The results panel's walk through the hits of one volume: the items (Tipitaka) or pages
// (Atthakatha) listed for it with their hit counts, the item chosen, the ordinal of the
// hit selected in it, where a step goes and which step buttons are live. It drives the
// search state's first/next/previous hit operations, through the phrase-set table after
// a search of phrases in the same item or page; the panel only shows what it answers.
#pragma once

#include <string>
#include <vector>

namespace lomarin {

class SearchState;

class HitWalk {
 public:
  explicit HitWalk(SearchState& state) : m_state(state) {}

  // Whether the last search used the phrase-set table (SearchTogether).
  void SetTogether(bool together) { m_together = together; }

  // The items of the search state's current volume, from HitItems and HitItemCounts;
  // none is chosen.
  void ListItems();
  void Clear();

  int ItemCount() const { return static_cast<int>(m_numbers.size()); }
  int ItemNumber(int index) const { return m_numbers.at(static_cast<size_t>(index)); }
  int HitsInItem(int index) const { return m_counts.at(static_cast<size_t>(index)); }
  int Chosen() const { return m_chosen; }
  // HitOrdinal: 1-based ordinal of the selected hit within the chosen item.
  int Ordinal() const { return m_ordinal; }

  // Chooses item `index` and answers the byte position of its first hit, or, entered
  // backwards from the next item, of its last hit (the record before the current one);
  // -1 when the table holds none. REQUIRES: 0 <= index < ItemCount().
  int Enter(int index, bool back);
  // Whether a step stays inside the chosen item; otherwise the caller enters the
  // neighbouring item (forward: at its first hit, back: at its last).
  bool NextStaysInItem() const { return m_chosen >= 0 && m_ordinal < HitsInItem(m_chosen); }
  bool PrevStaysInItem() const { return m_ordinal > 1; }
  // A step inside the chosen item: the position of the next or previous hit, -1 when
  // the table has none there. REQUIRES: the matching StaysInItem.
  int StepForward();
  int StepBack();

  bool PrevEnabled() const { return m_chosen > 0 || m_ordinal > 1; }
  bool NextEnabled() const { return m_chosen >= 0 && (m_chosen < ItemCount() - 1 || NextStaysInItem()); }

  // Where the focus goes after a step inside an item.
  enum class Focus { Prev, Next, Items };
  Focus FocusAfterForward() const { return !NextEnabled() && PrevEnabled() ? Focus::Prev : Focus::Items; }
  Focus FocusAfterBack() const { return !PrevEnabled() ? Focus::Next : Focus::Items; }

 private:
  SearchState& m_state;
  bool m_together = false;
  std::vector<int> m_numbers;
  std::vector<int> m_counts;
  int m_chosen = -1;
  int m_ordinal = 0;
};

}  // namespace lomarin
