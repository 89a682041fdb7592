// The desktop's window list: one (key, view) pair per open document. Keys are code page
// 874: the decimal request code, "|" and the title, or a fixed title. The list is sorted
// and searched with one case-insensitive Thai collation, in which keys beginning with
// digits come before keys beginning with Thai letters and codes sort as text (the key of
// code 10 before the key of code 2). The list only refers to the views; the desktop owns
// them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lomarin {

class DocumentView;

struct WindowPair {
  std::string key;
  DocumentView* view = nullptr;
};

class DocumentWindowList {
 public:
  void Sort();
  // Position of `key` in the sorted list, or -1. REQUIRES: sorted since the last append.
  int IndexOf(std::string_view key) const;
  // Appends at the end (the order is restored by the next Sort); answers the position.
  int Append(std::string key, DocumentView* view);
  // Deletes the pair of `key` without disturbing the order of the others.
  void DeleteKey(std::string_view key);

  int Count() const { return static_cast<int>(m_pairs.size()); }
  bool Empty() const { return m_pairs.empty(); }
  const WindowPair& At(int index) const { return m_pairs.at(static_cast<size_t>(index)); }

 private:
  std::vector<WindowPair> m_pairs;
};

// The title of a key: the part after its first "|", or the whole key without one.
std::string TitleOfKey(std::string_view key);

// The list position of the view that a closing view hands back to: the last one when
// `returnIndex` is -1, else `returnIndex` when it equals `currentIndex`, else the one
// before it. Partner positions may be out of date by then; a position outside the list
// gives the last view.
int ReturnViewIndex(int count, int currentIndex, int returnIndex);

}  // namespace lomarin
