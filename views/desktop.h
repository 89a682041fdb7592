// The desktop state every view shares (the data folder, the window list, the current
// document, the query) and the two operations through which documents open and close.
// TfrmMain is the one desktop; views hold a reference to it.
#pragma once

#include <QRect>
#include <cstdint>
#include <string>

#include "searchstate.h"
#include "windowlist.h"

namespace lomarin {

class Desktop {
 public:
  explicit Desktop(SearchSettings searchSettings = {}) : Search(std::move(searchSettings)) {}

  // The data folder, ending in "/"; every data file is named relative to it.
  std::string DataFolder;
  int32_t RequestCode = 0;
  int32_t RequestArg = -1;
  // Position of the document opened or activated last; -1 when none is open.
  int32_t CurrentIndex = -1;
  DocumentWindowList WindowList;
  // The query, and the text last selected in a reader (code page 874).
  std::string SearchText;
  int32_t SearchVolumeChoice = 999;
  bool SearchTogether = false;
  bool SearchFailed = false;
  // The search engine's state for the whole session: the last search's rows and hit
  // tables, which the search-results reader walks.
  SearchState Search;
  // The progress bar of the open search dialog while it runs a search, 0 … 100.
  SearchProgress SearchProgressBar;
  // Handed over by a closing view to ReturnToDesktop.
  int32_t ReturnIndex = -1;
  bool ViewClosed = false;

  virtual void ProcessDocumentRequest() = 0;
  virtual void ReturnToDesktop() = 0;
  // The page image's rectangle on the desktop: the reading area the views are laid on.
  virtual QRect MainPageRect() const = 0;

 protected:
  ~Desktop() = default;
};

}  // namespace lomarin
