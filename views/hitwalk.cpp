#include "hitwalk.h"

#include "searchstate.h"

namespace lomarin {

void HitWalk::ListItems() {
  Clear();
  for (const std::string& item : m_state.HitItems) m_numbers.push_back(std::stoi(item));
  for (const std::string& count : m_state.HitItemCounts) m_counts.push_back(std::stoi(count));
}

void HitWalk::Clear() {
  m_numbers.clear();
  m_counts.clear();
  m_chosen = -1;
  m_ordinal = 0;
}

int HitWalk::Enter(int index, bool back) {
  m_chosen = index;
  m_state.CurrentItem = ItemNumber(index);
  m_ordinal = back ? HitsInItem(index) : 1;
  if (back) return m_together ? m_state.PrevPhraseSetHit() : m_state.PrevWordHit();
  return m_together ? m_state.FirstPhraseSetHit() : m_state.FirstWordHit();
}

int HitWalk::StepForward() {
  ++m_ordinal;
  return m_together ? m_state.NextPhraseSetHit() : m_state.NextWordHit();
}

int HitWalk::StepBack() {
  --m_ordinal;
  return m_together ? m_state.PrevPhraseSetHit() : m_state.PrevWordHit();
}

}  // namespace lomarin
