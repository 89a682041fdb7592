// Running a search request: what the desktop does when the search dialog issues one, and
// what lomarin-cli's search command does. Takes the dialog's fields, prepares and checks
// the query, runs one of the three searches and says how it went; showing the rows is
// the caller's part.
#pragma once

#include <functional>
#include <string>

#include "searchstate.h"

namespace lomarin {

struct SearchRequest {
  int requestArg = 0;           // RequestArg: low four bits the collection, bits 4–7 together
  std::string searchText;       // SearchText as typed, code page 874
  int volumeChoice = kAllVolumes;  // SearchVolumeChoice: a volume file number, or 999
  bool resultsReaderOpen = false;  // a search-results reader is open already
};

struct SearchCallbacks {
  SearchProgress progress;                   // the dialog's progress bar, 0 … 100
  std::function<void()> letPendingEventsRun;  // after every progress step
};

enum class SearchOutcome { Found, Refused, NotFound };
enum class SearchMode { None, Single, Adjacent, Together };

struct SearchRequestResult {
  SearchOutcome outcome = SearchOutcome::Refused;
  std::string message;  // what the desktop shows when refused or not found, code page 874
  SearchMode mode = SearchMode::None;
  bool together = false;  // SearchTogether: the phrase-set table and operations apply
  std::string tablePath;  // the hit table written; empty when refused
};

// Refusal message, code page 874.
std::string RefusedQueryMessage();
// "ไม่พบคำ " and the query in double quotation marks, code page 874.
std::string NothingFoundMessage(const std::string& searchText);

// Steps 1–8 of a search request on `state`, with the search folder dataFolder + "bible/".
// A refused query (blanks only, over 255 bytes or 9 phrases, or a combination of kinds
// that cannot be searched) leaves the state as it was and writes no table. Raises
// FileError for a missing or damaged search file, std::invalid_argument for a volume
// choice outside the collection.
SearchRequestResult RunSearchRequest(SearchState& state, const std::string& dataFolder, const SearchRequest& request,
                                     const SearchCallbacks& callbacks = {});

}  // namespace lomarin
