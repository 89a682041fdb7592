// TfrmBodyHCNT's search side: the results panel of the search-results reader, the search
// dialog opened from a reader, and the commentary comparison.
#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QToolButton>
#include <algorithm>

#include "comparison.h"
#include "desktop.h"
#include "documentcode.h"
#include "hint.h"
#include "myrichedit.h"
#include "qtcp874.h"
#include "searchpanel.h"
#include "tfrmbodyhcnt.h"
#include "tfrmsearchbox.h"
#include "tstatusbar.h"

namespace lomarin {

int32_t TfrmBodyHCNT::BookCode() const {
  if (Kind() != kKindSearchResults) return DocumentCode;
  const int collection = m_desktop.Search.SearchInAtthakatha ? kKindAtthakatha : kKindTipitaka;
  return (collection << 16) + std::max(m_desktop.Search.CurrentVolume, 1) - 1;
}

void TfrmBodyHCNT::ShowSearchPanel() {
  if (pnSearchResult != nullptr) return;
  pnSearchResult = new TSearchPanel(m_desktop, *reBody, this);
  pnSearchResult->SetJumpsEnabled = [this](bool enabled) {
    for (QLabel* number : {stPage, stNum}) {
      number->setEnabled(enabled);
      number->setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    }
  };
  pnSearchResult->SetSelectionTracking = [this](bool attached) {
    if (attached) {
      connect(reBody, &QPlainTextEdit::selectionChanged, this, &TfrmBodyHCNT::reBodySelectionChange,
              Qt::UniqueConnection);
    } else {
      disconnect(reBody, &QPlainTextEdit::selectionChanged, this, &TfrmBodyHCNT::reBodySelectionChange);
    }
  };
  // Above the title panel, with the splitter between them.
  auto* column = static_cast<QBoxLayout*>(layout());
  column->insertWidget(0, pnSearchResult);
  column->insertWidget(1, pnSearchResult->splSearch);
  pnSearchResult->splSearch->show();
}

void TfrmBodyHCNT::ConfigureForSearchResults() {
  const bool atthakatha = m_desktop.Search.SearchInAtthakatha;
  pnSearchResult->SetCollectionCaption(atthakatha);
  stbar->SetPanelWidth(2, atthakatha ? 0 : 70);
  stNum->setVisible(!atthakatha);
  pnSearchResult->SetJumpsEnabled(false);
  SetHint(stPage, atthakatha ? QStringLiteral("คลิ๊กเพื่อเปลี่ยนหมายเลขหน้าในอรรถกถา")
                             : QStringLiteral("คลิ๊กเพื่อเปลี่ยนหมายเลขหน้าในพระไตรปิฎก"));
  PartnerIndex = -1;
}

void TfrmBodyHCNT::btnSearchClick() {
  auto* dialog = new TfrmSearchBox(m_desktop, this);
  dialog->edWordSearch->setEditText(QStringFromCp874(reBody->SelectedBytes()));
  dialog->edWordSearchChange();
  if (Kind() == kKindTipitaka || Kind() == kKindAtthakatha || Kind() == kKindSearchResults) {
    dialog->cbxBooks->setCurrentIndex(RequestKind(BookCode()));
    dialog->cbxBooksChange();
    dialog->cbxBookNum->setCurrentIndex(Kind() == kKindSearchResults ? m_desktop.Search.CurrentVolume : Volume());
  }
  dialog->exec();
}

void TfrmBodyHCNT::btnT_ASwitchClick() {
  const bool fromAtthakatha = RequestKind(BookCode()) == kKindAtthakatha;
  const std::optional<ComparisonTarget> target =
      FindComparisonTarget(m_desktop.DataFolder, fromAtthakatha, Volume(), reBody->FirstVisibleRow());
  if (!target) return;
  m_desktop.RequestCode = target->requestCode;
  m_desktop.RequestArg = -1;
  m_desktop.ProcessDocumentRequest();
  QCoreApplication::processEvents();
  // Only the view the request opened or brought forward is scrolled; a target that could
  // not be opened leaves the current one where it is.
  const int current = m_desktop.CurrentIndex;
  if (current < 0 || current >= m_desktop.WindowList.Count()) return;
  auto* reader = qobject_cast<TfrmBodyHCNT*>(m_desktop.WindowList.At(current).view);
  if (reader != nullptr && reader->DocumentCode == target->requestCode) reader->reBody->ScrollToRow(target->line);
}

}  // namespace lomarin
