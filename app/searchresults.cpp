// TfrmMain's search side: the search dialog on F1, and the search-results request (code
// 0x0F0000), which runs the search the dialog wrote into the desktop and shows its rows
// in the results reader, created by the first search that finds something and refilled
// by every later one until it is closed.
#include <QApplication>
#include <QComboBox>

#include "cp874.h"
#include "documentcode.h"
#include "qtcp874.h"
#include "searchpanel.h"
#include "searchrequest.h"
#include "tfrmbodyhcnt.h"
#include "tfrmmain.h"
#include "tfrmsearchbox.h"
#include "warningbox.h"

namespace lomarin {
namespace {

std::string ResultsKey() {
  std::string key;
  Utf8ToCp874("ผลจากการค้นหา", key);
  return key;
}

}  // namespace

void TfrmMain::ShowSearchDialog() {
  SearchFailed = false;
  auto* dialog = new TfrmSearchBox(*this, this);
  dialog->edWordSearch->setEditText(QStringFromCp874(SearchText));
  dialog->edWordSearchChange();
  dialog->exec();
  ViewClosed = false;
  ReturnToDesktop();
}

void TfrmMain::ShowSearchMessage(const std::string& message) {
  QWidget* owner = QApplication::activeModalWidget();
  ShowWarning(owner != nullptr ? owner : this, QStringLiteral("ข้อความเตือน"), QStringFromCp874(message));
  SearchFailed = true;
}

std::string TfrmMain::OpenSearchResults() {
  Search.CurrentVolume = 0;
  Search.CurrentItem = 0;
  const std::string key = ResultsKey();
  const int found = WindowList.IndexOf(key);
  TfrmBodyHCNT* view = found >= 0 ? qobject_cast<TfrmBodyHCNT*>(WindowList.At(found).view) : nullptr;

  SearchCallbacks callbacks;
  callbacks.progress = SearchProgressBar;
  callbacks.letPendingEventsRun = [] { QCoreApplication::processEvents(); };
  const SearchRequestResult result =
      RunSearchRequest(Search, DataFolder, {RequestArg, SearchText, SearchVolumeChoice, view != nullptr}, callbacks);
  if (result.outcome == SearchOutcome::Refused) {
    // The open reader keeps its rows and tables, and the table mode they were made in.
    ShowSearchMessage(result.message);
    return {};
  }
  SearchTogether = result.together;

  if (view == nullptr) {
    if (result.outcome == SearchOutcome::NotFound) {
      ShowSearchMessage(result.message);
      return {};
    }
    view = PlaceNewNumberedView();
    view->Panel1->hide();
    QCoreApplication::processEvents();
    view->ShowSearchPanel();
    view->Panel1->show();
    view->DocumentKey = key;
    view->DocumentCode = kSearchResultsCode;
    view->pnSearchResult->ShowSearchResults();
    imgMainPage->show();
    view->ConfigureForSearchResults();
    view->show();
    QCoreApplication::processEvents();
    view->pnSearchResult->ResultTextLoaded = false;
    CurrentIndex = WindowList.Append(key, view);
    return key;
  }

  if (result.outcome == SearchOutcome::NotFound) {
    ShowSearchMessage(result.message);
    view->pnSearchResult->ForgetResults();
    return {};
  }
  view->pnSearchResult->ShowSearchResults();
  CurrentIndex = found;
  view->DocumentCode = kSearchResultsCode;
  view->ConfigureForSearchResults();
  view->raise();
  QCoreApplication::processEvents();
  view->pnSearchResult->ResultTextLoaded = false;
  return view->DocumentKey;
}

}  // namespace lomarin
