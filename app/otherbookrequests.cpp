// The desktop's document requests for the books that are not Tipitaka or Atthakatha
// volumes: the Milindapanha and the Visuddhimagga parts in the numbered reader, the
// encyclopedia, and the chant books in the plain reader. Each answers the key of the
// document it opened or activated, or "" when the code opens nothing.
#include <QCoreApplication>
#include <iterator>

#include "chantbooks.h"
#include "desktoplayout.h"
#include "milinproc.h"
#include "myrichedit.h"
#include "otherbookkeys.h"
#include "tfrmbodyhcnt.h"
#include "tfrmbodyhncnt.h"
#include "tfrmmain.h"
#include "tfrmsara.h"
#include "uunpak.h"
#include "wisutproc.h"

namespace lomarin {
namespace {

static_assert(std::size(kChantKeySuffixes) == kChantBookCount);

// The first of the keys `code` + suffix found in the sorted list, or -1.
template <size_t N>
int FindKeyWithSuffix(const DocumentWindowList& list, int32_t code, const std::string_view (&suffixes)[N]) {
  for (const std::string_view suffix : suffixes) {
    const int found = list.IndexOf(std::to_string(code) + std::string(suffix));
    if (found >= 0) return found;
  }
  return -1;
}

}  // namespace

std::string TfrmMain::OpenMilinda() {
  const std::string key(kMilindaKey);
  const int found = WindowList.IndexOf(key);
  if (found < 0) {
    imgMainPage->show();
    SetMilindaFolder(DataFolder + "others/");
    TfrmBodyHCNT* view = PlaceNewNumberedView();
    LoadMilindaText(*view->reBody);
    view->DocumentKey = key;
    view->DocumentCode = RequestCode;
    view->ConfigureForKind();
    view->show();
    CurrentIndex = WindowList.Append(key, view);
    if (RequestArg > -1) MoveToContentsEntry(view, MilindaContentsLine(RequestArg), 1);
    return key;
  }
  CurrentIndex = found;
  auto* view = qobject_cast<TfrmBodyHCNT*>(WindowList.At(found).view);
  if (view == nullptr) return {};
  view->raise();
  if (RequestArg > -1) {
    SetMilindaFolder(DataFolder + "others/");
    MoveToContentsEntry(view, MilindaContentsLine(RequestArg), 1);
  }
  return view->DocumentKey;
}

std::string TfrmMain::OpenVisuddhiPart(int part) {
  if (part >= kVisuddhiPartCount) return {};
  const int found = FindKeyWithSuffix(WindowList, RequestCode, kVisuddhiKeySuffixes);
  TfrmBodyHCNT* view = nullptr;
  if (found < 0) {
    imgMainPage->show();
    SetVisuddhiFolder(DataFolder + "others/");
    view = PlaceNewNumberedView();
    LoadVisuddhiText(part, *view->reBody);
    const std::string key = std::to_string(RequestCode) + std::string(kVisuddhiKeySuffixes[part]);
    CurrentIndex = WindowList.Append(key, view);
    view->DocumentKey = key;
    view->DocumentCode = RequestCode;
    view->ConfigureForKind();
    view->show();
  } else {
    CurrentIndex = found;
    view = qobject_cast<TfrmBodyHCNT*>(WindowList.At(found).view);
    if (view == nullptr) return {};
    view->raise();
  }
  // Also without an entry: entry -1 reads the line of the first entry, where a part opens.
  SetVisuddhiFolder(DataFolder + "others/");
  MoveToContentsEntry(view, VisuddhiContentsLine(part, RequestArg), 2);
  return view->DocumentKey;
}

std::string TfrmMain::OpenEncyclopedia(int headword) {
  imgMainPage->show();
  const std::string key(kEncyclopediaKey);
  const int found = WindowList.IndexOf(key);
  if (found < 0) {
    QCoreApplication::processEvents();
    auto* view = new TfrmSara(*this, this);
    view->setGeometry(ViewRect(imgMainPage->geometry()));
    view->PartnerIndex = -1;
    view->show();
    view->SelectHeadword(headword);
    view->lsbWordClick();
    CurrentIndex = WindowList.Append(key, view);
    return key;
  }
  CurrentIndex = found;
  auto* view = qobject_cast<TfrmSara*>(WindowList.At(found).view);
  if (view == nullptr) return {};
  view->SelectHeadword(headword);
  view->lsbWordClick();
  view->raise();
  return key;
}

std::string TfrmMain::OpenChantBook(int chant) {
  if (chant >= kChantBookCount) return {};
  const int found = FindKeyWithSuffix(WindowList, RequestCode, kChantKeySuffixes);
  if (found >= 0) {
    CurrentIndex = found;
    auto* view = qobject_cast<TfrmBodyHNCNT*>(WindowList.At(found).view);
    if (view == nullptr) return {};
    view->raise();
    return view->DocumentKey;
  }
  // The member is read before anything shows, so an archive that cannot be opened
  // leaves no view and no page image behind; a member not in it gives an empty text.
  std::string text;
  ExtractPakMember(ChantArchivePath(DataFolder, chant), kChantBooks[chant].member, text);
  imgMainPage->show();
  auto* view = new TfrmBodyHNCNT(*this, this);
  view->setGeometry(ViewRect(imgMainPage->geometry()));
  const std::string key = std::to_string(RequestCode) + std::string(kChantKeySuffixes[chant]);
  CurrentIndex = WindowList.Append(key, view);
  view->DocumentKey = key;
  view->reBody->ReplaceText(std::move(text));
  view->PartnerIndex = -1;
  view->show();
  return key;
}

}  // namespace lomarin
