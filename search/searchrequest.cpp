#include "searchrequest.h"

#include <algorithm>
#include <stdexcept>

#include "cp874.h"

namespace lomarin {
namespace {

constexpr size_t kMaxQueryBytes = 255;
constexpr size_t kMaxPhrases = 9;

std::string Cp874(std::string_view utf8) {
  std::string bytes;
  Utf8ToCp874(utf8, bytes);
  return bytes;
}

bool IsRefused(const std::vector<Phrase>& phrases, bool together, bool resultsReaderOpen) {
  const auto kindIs = [](int kind) { return [kind](const Phrase& p) { return p.Kind == kind; }; };
  if (phrases.empty()) return true;
  if (phrases.size() == 1) {
    const Phrase& only = phrases[0];
    return together || only.Kind == kInvalidPhrase || only.Kind == kAnyWord ||
           (only.Text.size() == 1 && !resultsReaderOpen);
  }
  return std::any_of(phrases.begin(), phrases.end(), kindIs(kInvalidPhrase)) ||
         std::all_of(phrases.begin(), phrases.end(), kindIs(kAnyWord)) ||
         (together && std::any_of(phrases.begin(), phrases.end(), kindIs(kAnyWord)));
}

}  // namespace

std::string RefusedQueryMessage() { return Cp874("ใช้กฎการค้นหาไม่ถูกต้อง."); }

std::string NothingFoundMessage(const std::string& searchText) { return Cp874("ไม่พบคำ \"") + searchText + "\""; }

SearchRequestResult RunSearchRequest(SearchState& state, const std::string& dataFolder, const SearchRequest& request,
                                     const SearchCallbacks& callbacks) {
  SearchRequestResult result;
  const bool inAtthakatha = (request.requestArg & 0x0F) != 0;
  result.together = (request.requestArg & 0xF0) != 0;
  // Prepare and check the query before touching the state, so that a refused query
  // leaves the open results reader with the rows and tables it shows.
  std::vector<Phrase> phrases;
  const std::vector<std::string> pieces = SplitQuery(request.searchText);
  for (const std::string& piece : pieces) phrases.push_back(PreparePhrase(piece));
  if (TrimQuery(request.searchText).size() > kMaxQueryBytes || phrases.size() > kMaxPhrases ||
      IsRefused(phrases, result.together, request.resultsReaderOpen)) {
    result.message = RefusedQueryMessage();
    return result;
  }

  const int lastVolume = VolumeCount(inAtthakatha ? Collection::Atthakatha : Collection::Tipitaka);
  if (request.volumeChoice != kAllVolumes && (request.volumeChoice < 1 || request.volumeChoice > lastVolume)) {
    throw std::invalid_argument("volume choice " + std::to_string(request.volumeChoice) + " outside 1 … " +
                                std::to_string(lastVolume));
  }
  state.CurrentVolume = 0;
  state.CurrentItem = 0;
  state.InitSearch(dataFolder + "bible/");
  state.SearchInAtthakatha = inAtthakatha;
  state.Phrases = std::move(phrases);
  state.SearchVolume = request.volumeChoice;
  SearchProgress progress;
  if (callbacks.progress || callbacks.letPendingEventsRun) {
    progress = [&callbacks](int percent) {
      if (callbacks.progress) callbacks.progress(percent);
      if (callbacks.letPendingEventsRun) callbacks.letPendingEventsRun();
    };
  }
  if (state.PhraseCount() == 1) {
    result.mode = SearchMode::Single;
    state.SearchSinglePhrase(progress);
  } else if (result.together) {
    result.mode = SearchMode::Together;
    state.SearchPhrasesInSameItem(progress);
  } else {
    result.mode = SearchMode::Adjacent;
    state.SearchAdjacentPhrases(progress);
  }
  result.tablePath = result.together ? state.PhraseSetTablePath() : state.WordTablePath();
  if (state.FoundWords.empty()) {
    result.outcome = SearchOutcome::NotFound;
    result.message = NothingFoundMessage(request.searchText);
  } else {
    result.outcome = SearchOutcome::Found;
  }
  return result;
}

}  // namespace lomarin
