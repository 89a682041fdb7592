// TSearchPanel (pnSearchResult): the search results above the text of the results
// reader. The word grid lists the rows the last search found, the volume grid the volumes
// of the chosen word, cbxWords the items (Tipitaka) or pages (Atthakatha) of the chosen
// volume. Showing an item loads its volume's text into the reader's text view once per
// volume, colours every hit there, puts the hit's line at the top and selects the hit;
// btnPrev and btnNext step from hit to hit across items. The panel collapses to its top
// and bottom strips and expands back to the height it had. The decisions of the walk are
// HitWalk's; the panel shows them.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "hitwalk.h"

class QComboBox;
class QLabel;
class QTableView;
class QToolButton;

namespace lomarin {

class Desktop;
class ResultGridModel;
class TMyRichEdit;
class TRGNBtn;

// splSearch: a 3-pixel bar that sets the height of the panel above it by dragging.
class TPanelSplitter final : public QWidget {
  Q_OBJECT

 public:
  TPanelSplitter(QWidget* panel, QWidget* parent);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QWidget* m_panel;
  int m_pressY = 0;
  int m_pressHeight = 0;
};

class TSearchPanel final : public QWidget {
  Q_OBJECT

 public:
  // `text` is the reader's text view; both outlive the panel.
  TSearchPanel(Desktop& desktop, TMyRichEdit& text, QWidget* parent);

  // What the panel asks of its reader: page and item jumps on or off (while no hit is
  // shown they are off), and its selection handler attached or detached (loading and
  // colouring the text must not reach it).
  std::function<void(bool enabled)> SetJumpsEnabled;
  std::function<void(bool attached)> SetSelectionTracking;

  // Fills the grids and the item list from the search state after a search that found
  // something: the first word and its first volume chosen, that volume's items listed
  // with none chosen, the summary line written, the text to be reloaded.
  void ShowSearchResults();
  // After a search that found nothing: the text is emptied. The grids keep the rows they
  // show, but their hits went with the search's tables, so no item is listed any more
  // and choosing a row does nothing.
  void ForgetResults();
  // "ในข้อ" over the Tipitaka, "ในหน้า" over the Atthakatha.
  void SetCollectionCaption(bool atthakatha);

  // The panel's step of the reader's FormShow.
  void FormShow();

  // Handlers; grid rows are numbered as in the design, row 1 being the first under the
  // heading.
  void stgWordFoundSelectCell(int row);
  void stgWhereFoundSelectCell(int row);
  void stgWhereFoundKeyPress();
  enum class Sender { None, Items, Prev, Next };
  void cbxWordsChange(Sender sender);
  void btnPrevClick();
  void btnNextClick();
  void btnShowSearchResultClick();
  void pnBottomResize();

  // The word and volume rows shown (word, count) and (label, count).
  QString CellText(const QTableView* grid, int column, int row) const;
  int GridRowCount(const QTableView* grid) const;
  // The selected grid row (design numbering), 0 for none.
  int SelectedRow(const QTableView* grid) const;
  bool GridsVisible() const;

  QWidget* pnSearchTop = nullptr;
  QToolButton* btnShowSearchResult = nullptr;
  QLabel* Label1 = nullptr;
  QTableView* stgWordFound = nullptr;
  QTableView* stgWhereFound = nullptr;
  QWidget* pnBottom = nullptr;
  QWidget* pnNavSearch = nullptr;
  TRGNBtn* btnPrev = nullptr;
  TRGNBtn* btnNext = nullptr;
  QLabel* stSP = nullptr;
  QComboBox* cbxWords = nullptr;
  QLabel* stAllFound = nullptr;
  TPanelSplitter* splSearch = nullptr;

  // The current volume's text is in the view with all its hits coloured.
  bool ResultTextLoaded = false;
  int32_t SavedPanelHeight = 0;
  // The items listed in cbxWords with their hit counts (PanelItemCounts), the item
  // chosen and HitOrdinal.
  HitWalk Walk;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateTop();
  void CreateGrids();
  void CreateBottom();
  bool Together() const;
  void ListVolumesOfRow(int row);
  void ListItemsOfVolume(int volume);
  void FillVolumeGrid();
  void FillItemList();
  // Loads the current volume's text and colours all its hits.
  void LoadResultText();
  // Puts the line of `pos` at the top and selects the hit there.
  void ShowHit(int pos);
  int HitLength() const;
  void UpdateStepButtons();

  Desktop& m_desktop;
  TMyRichEdit& m_text;
  ResultGridModel* m_words = nullptr;
  ResultGridModel* m_volumes = nullptr;
  bool m_wordHandlerAttached = true;
  bool m_volumeHandlerAttached = true;
};

}  // namespace lomarin
