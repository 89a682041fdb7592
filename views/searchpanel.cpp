#include "searchpanel.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>

#include "attaproc.h"
#include "desktop.h"
#include "hint.h"
#include "hitmarker.h"
#include "myrichedit.h"
#include "qtcp874.h"
#include "rgnbtn.h"
#include "thaifonts.h"
#include "tipiproc.h"

namespace lomarin {

// The two columns of a result grid over the search state's lists, so that tens of
// thousands of rows cost no widget each. Columns from `rightAlignedFrom` on are drawn
// right-aligned, as the counts are.
class ResultGridModel final : public QAbstractTableModel {
 public:
  ResultGridModel(QStringList headings, int rightAlignedFrom, QObject* parent)
      : QAbstractTableModel(parent), m_headings(std::move(headings)), m_rightAlignedFrom(rightAlignedFrom) {}

  void SetRows(const std::vector<std::string>& first, const std::vector<std::string>& second) {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(first.size());
    for (size_t i = 0; i < first.size() && i < second.size(); ++i) {
      m_rows.push_back({QStringFromCp874(first[i]), QStringFromCp874(second[i])});
    }
    endResetModel();
  }

  int rowCount(const QModelIndex& parent = {}) const override {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
  }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 2; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return m_rows[static_cast<size_t>(index.row())][index.column()];
    if (role == Qt::TextAlignmentRole && index.column() >= m_rightAlignedFrom) {
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return m_headings.value(section);
    return {};
  }

 private:
  QStringList m_headings;
  int m_rightAlignedFrom;
  std::vector<std::array<QString, 2>> m_rows;
};

namespace {

const QColor kPanelColour(249, 233, 193);
constexpr int kPanelHeight = 213;
constexpr int kTopHeight = 29;
constexpr int kBottomHeight = 44;
constexpr int kVolumeGridWidth = 258;
constexpr int kNavWidth = 403;
constexpr int kGridRowHeight = 32;
// The design's faces are narrow; their TLWG stand-ins need fewer pixels for the same
// width (21 in the design).
constexpr int kPanelPixels = 18;
constexpr int kGridPixels = 17;
const Rgb kHitColour{255, 0, 0};

QTableView* NewGrid(QWidget* parent, const QString& objectName, ResultGridModel* model) {
  auto* grid = new QTableView(parent);
  grid->setObjectName(objectName);
  grid->setModel(model);
  grid->setFont(PixelFont(QStringLiteral("FreesiaUPC"), kGridPixels, true));
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setWordWrap(false);
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  grid->horizontalHeader()->setFixedHeight(kGridRowHeight);
  grid->horizontalHeader()->setSectionsClickable(false);
  grid->horizontalHeader()->setHighlightSections(false);
  return grid;
}

QLabel* NewLabel(QWidget* parent, const QString& objectName, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(objectName);
  return label;
}

}  // namespace

TPanelSplitter::TPanelSplitter(QWidget* panel, QWidget* parent) : QWidget(parent), m_panel(panel) {
  setObjectName(QStringLiteral("splSearch"));
  setFixedHeight(3);
  setCursor(Qt::SplitVCursor);
}

void TPanelSplitter::mousePressEvent(QMouseEvent* event) {
  m_pressY = event->globalPosition().toPoint().y();
  m_pressHeight = m_panel->height();
}

void TPanelSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!isEnabled() || !(event->buttons() & Qt::LeftButton)) return;
  const int least = kTopHeight + kBottomHeight;
  m_panel->setFixedHeight(std::max(least, m_pressHeight + event->globalPosition().toPoint().y() - m_pressY));
}

TSearchPanel::TSearchPanel(Desktop& desktop, TMyRichEdit& text, QWidget* parent)
    : QWidget(parent), Walk(desktop.Search), m_desktop(desktop), m_text(text) {
  setObjectName(QStringLiteral("pnSearchResult"));
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kPanelColour);
  setPalette(colours);
  setFont(PixelFont(QStringLiteral("AngsanaUPC"), kPanelPixels, true));
  setFixedHeight(kPanelHeight);
  SavedPanelHeight = kPanelHeight;
  CreateTop();
  CreateGrids();
  CreateBottom();
  splSearch = new TPanelSplitter(this, parent);
  splSearch->hide();
}

void TSearchPanel::CreateTop() {
  pnSearchTop = new QWidget(this);
  pnSearchTop->setObjectName(QStringLiteral("pnSearchTop"));
  btnShowSearchResult = new QToolButton(pnSearchTop);
  btnShowSearchResult->setObjectName(QStringLiteral("btnShowSearchResult"));
  btnShowSearchResult->setAutoRaise(true);
  btnShowSearchResult->setGeometry(3, 3, 24, 24);
  btnShowSearchResult->setIconSize(QSize(20, 20));
  connect(btnShowSearchResult, &QToolButton::clicked, this, &TSearchPanel::btnShowSearchResultClick);
  Label1 = NewLabel(pnSearchTop, QStringLiteral("Label1"), QString());
  Label1->move(32, 0);
}

void TSearchPanel::CreateGrids() {
  m_words = new ResultGridModel({QStringLiteral("คำที่พบ"), QStringLiteral("จำนวน")}, 1, this);
  m_volumes = new ResultGridModel({QStringLiteral("เล่มที่"), QStringLiteral("จำนวน")}, 0, this);
  stgWordFound = NewGrid(this, QStringLiteral("stgWordFound"), m_words);
  stgWhereFound = NewGrid(this, QStringLiteral("stgWhereFound"), m_volumes);
  connect(stgWordFound->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& now) {
            if (m_wordHandlerAttached && now.isValid()) stgWordFoundSelectCell(now.row() + 1);
          });
  connect(stgWhereFound->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& now) {
            if (m_volumeHandlerAttached && now.isValid()) stgWhereFoundSelectCell(now.row() + 1);
          });
  connect(stgWhereFound, &QTableView::doubleClicked, this, &TSearchPanel::stgWhereFoundKeyPress);
  stgWhereFound->installEventFilter(this);
}

void TSearchPanel::CreateBottom() {
  pnBottom = new QWidget(this);
  pnBottom->setObjectName(QStringLiteral("pnBottom"));
  pnNavSearch = new QWidget(pnBottom);
  pnNavSearch->setObjectName(QStringLiteral("pnNavSearch"));
  pnNavSearch->resize(kNavWidth, kBottomHeight);
  const auto stepButton = [this](const QString& name, const QString& caption, int x) {
    TRGNBtn* button = TRGNBtn::CreateCommon(pnNavSearch, name, caption, QRect(x, 6, 32, 32));
    button->setFont(PixelFont(QStringLiteral("DejaVu Sans"), kPanelPixels, true));
    button->setEnabled(false);
    return button;
  };
  // The design's Wingdings arrows, in a font every system has.
  btnPrev = stepButton(QStringLiteral("btnPrev"), QStringLiteral("◀"), 4);
  btnNext = stepButton(QStringLiteral("btnNext"), QStringLiteral("▶"), kNavWidth - 36);
  connect(btnPrev, &TRGNBtn::OnClick, this, &TSearchPanel::btnPrevClick);
  connect(btnNext, &TRGNBtn::OnClick, this, &TSearchPanel::btnNextClick);
  stSP = NewLabel(pnNavSearch, QStringLiteral("stSP"), QStringLiteral("ในข้อ"));
  stSP->setGeometry(44, 4, 60, 36);
  stSP->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  cbxWords = new QComboBox(pnNavSearch);
  cbxWords->setObjectName(QStringLiteral("cbxWords"));
  cbxWords->setFont(PixelFont(QStringLiteral("FreesiaUPC"), kGridPixels, true));
  cbxWords->setGeometry(110, 6, 90, 32);
  connect(cbxWords, &QComboBox::activated, this, [this] { cbxWordsChange(Sender::Items); });
  stAllFound = NewLabel(pnNavSearch, QStringLiteral("stAllFound"), QStringLiteral("มีจำนวน 0 ตำแหน่ง"));
  stAllFound->setGeometry(208, 4, 150, 36);
}

void TSearchPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int w = width();
  pnSearchTop->setGeometry(0, 0, w, kTopHeight);
  Label1->resize(w - Label1->x(), kTopHeight);
  pnBottom->setGeometry(0, height() - kBottomHeight, w, kBottomHeight);
  const int middle = std::max(0, height() - kTopHeight - kBottomHeight);
  stgWordFound->setGeometry(0, kTopHeight, std::max(0, w - kVolumeGridWidth), middle);
  stgWhereFound->setGeometry(w - kVolumeGridWidth, kTopHeight, kVolumeGridWidth, middle);
  pnBottomResize();
}

void TSearchPanel::pnBottomResize() {
  pnNavSearch->move((pnBottom->width() - pnNavSearch->width()) / 2, 0);
  // Column widths as whole hundredths of the grid's width.
  const int words = stgWordFound->width() / 100;
  stgWordFound->setColumnWidth(0, words * 80);
  stgWordFound->setColumnWidth(1, words * 20);
  const int volumes = stgWhereFound->width() / 100;
  stgWhereFound->setColumnWidth(0, volumes * 60);
  stgWhereFound->setColumnWidth(1, volumes * 40);
}

bool TSearchPanel::Together() const { return m_desktop.SearchTogether; }

QString TSearchPanel::CellText(const QTableView* grid, int column, int row) const {
  return grid->model()->index(row - 1, column).data().toString();
}

int TSearchPanel::GridRowCount(const QTableView* grid) const { return grid->model()->rowCount() + 1; }

int TSearchPanel::SelectedRow(const QTableView* grid) const {
  const QModelIndex current = grid->currentIndex();
  return current.isValid() ? current.row() + 1 : 0;
}

bool TSearchPanel::GridsVisible() const { return !stgWordFound->isHidden(); }

void TSearchPanel::SetCollectionCaption(bool atthakatha) {
  stSP->setText(atthakatha ? QStringLiteral("ในหน้า") : QStringLiteral("ในข้อ"));
}

void TSearchPanel::ListVolumesOfRow(int row) {
  if (Together()) {
    m_desktop.Search.ListPhraseSetVolumes(row);
  } else {
    m_desktop.Search.ListWordVolumes(row);
  }
}

void TSearchPanel::ListItemsOfVolume(int volume) {
  if (Together()) {
    m_desktop.Search.ListPhraseSetItems(volume);
  } else {
    m_desktop.Search.ListWordItems(volume);
  }
}

void TSearchPanel::FillVolumeGrid() {
  m_volumeHandlerAttached = false;
  m_volumes->SetRows(m_desktop.Search.HitVolumeLabels, m_desktop.Search.HitVolumeCounts);
  if (m_volumes->rowCount() > 0) stgWhereFound->setCurrentIndex(m_volumes->index(0, 0));
  m_volumeHandlerAttached = true;
}

void TSearchPanel::FillItemList() {
  Walk.SetTogether(Together());
  Walk.ListItems();
  cbxWords->clear();
  for (const std::string& item : m_desktop.Search.HitItems) cbxWords->addItem(QString::fromStdString(item));
  cbxWords->setCurrentIndex(-1);
}

void TSearchPanel::ShowSearchResults() {
  SearchState& search = m_desktop.Search;
  m_wordHandlerAttached = false;
  m_words->SetRows(search.FoundWords, search.FoundCounts);
  stgWordFound->setCurrentIndex(m_words->index(0, 0));
  m_wordHandlerAttached = true;
  long long total = 0;
  for (const std::string& count : search.FoundCounts) total += std::stoll(count);
  ListVolumesOfRow(0);
  FillVolumeGrid();
  if (!search.HitVolumes.empty()) ListItemsOfVolume(std::stoi(search.HitVolumes[0]));
  FillItemList();
  m_text.ReplaceText({});
  Label1->setText(QStringLiteral("พบ %1 คำ โดยมีจำนวนทั้งหมด %2 ตำแหน่ง").arg(search.FoundWords.size()).arg(total));
  ResultTextLoaded = false;
}

void TSearchPanel::FormShow() {
  btnPrev->setEnabled(false);
  btnNext->setEnabled(false);
  if (!isHidden() && !stgWhereFound->isHidden()) {
    stgWhereFound->setFocus();
    btnShowSearchResult->setIcon(style()->standardIcon(QStyle::SP_TitleBarShadeButton));
    SetHint(btnShowSearchResult, QStringLiteral("ซ่อนผลการค้นหา"));
  }
}

void TSearchPanel::ForgetResults() {
  m_text.ReplaceText({});
  Walk.Clear();
  cbxWords->clear();
  ResultTextLoaded = false;
  btnPrev->setEnabled(false);
  btnNext->setEnabled(false);
  if (SetJumpsEnabled) SetJumpsEnabled(false);
}

void TSearchPanel::stgWordFoundSelectCell(int row) {
  // Rows shown after a fruitless search belong to no search any more.
  if (row < 1 || row > static_cast<int>(m_desktop.Search.FoundWords.size())) return;
  ListVolumesOfRow(row - 1);
  FillVolumeGrid();
  // The items listed belong to the word chosen before: list those of the new word's
  // first volume instead, so that no hit of this word is sought in another's items.
  Walk.Clear();
  cbxWords->clear();
  m_text.ReplaceText({});
  if (!m_desktop.Search.HitVolumes.empty()) stgWhereFoundSelectCell(1);
}

void TSearchPanel::stgWhereFoundSelectCell(int row) {
  if (row < 1 || row > static_cast<int>(m_desktop.Search.HitVolumes.size())) return;
  ResultTextLoaded = false;
  // The text shown belongs to the volume chosen before; the reader's numbers and its
  // comparison would read it with the new volume's tables.
  m_text.ReplaceText({});
  ListItemsOfVolume(std::stoi(m_desktop.Search.HitVolumes[static_cast<size_t>(row - 1)]));
  FillItemList();
  if (SetJumpsEnabled) SetJumpsEnabled(false);
}

void TSearchPanel::stgWhereFoundKeyPress() {
  cbxWords->setCurrentIndex(cbxWords->count() > 0 ? 0 : -1);
  cbxWordsChange(Sender::None);
  cbxWords->setFocus();
}

bool TSearchPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == stgWhereFound && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      stgWhereFoundKeyPress();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

int TSearchPanel::HitLength() const {
  const SearchState& search = m_desktop.Search;
  if (search.CurrentRow < 0 || search.CurrentRow >= static_cast<int>(search.FoundWords.size())) return 0;
  const std::string& text = search.FoundWords[static_cast<size_t>(search.CurrentRow)];
  return static_cast<int>(text.find('\0') == std::string::npos ? text.size() : text.find('\0'));
}

void TSearchPanel::UpdateStepButtons() {
  btnPrev->setEnabled(Walk.PrevEnabled());
  btnNext->setEnabled(Walk.NextEnabled());
}

void TSearchPanel::LoadResultText() {
  SearchState& search = m_desktop.Search;
  const std::string bible = m_desktop.DataFolder + "bible/";
  if (search.SearchInAtthakatha) {
    SetAtthakathaFolder(bible);
    LoadAtthakathaText(search.CurrentVolume, m_text);
  } else {
    SetTipitakaFolder(bible);
    LoadTipitakaText(search.CurrentVolume, m_text);
  }
  HitMarker marker(m_text);
  if (Together()) {
    search.MarkPhraseSetHits(marker, kHitColour);
  } else {
    search.MarkWordHits(marker, kHitColour);
  }
  marker.Apply();
}

void TSearchPanel::ShowHit(int pos) {
  if (pos < 0) return;
  m_text.ScrollToRow(m_text.RowOfByte(pos));
  QCoreApplication::processEvents();
}

void TSearchPanel::cbxWordsChange(Sender sender) {
  const int chosen = cbxWords->currentIndex();
  if (chosen < 0 || chosen >= Walk.ItemCount()) return;
  const bool back = sender == Sender::Prev;
  if (SetSelectionTracking) SetSelectionTracking(false);
  if (!ResultTextLoaded) {
    m_text.hide();
    LoadResultText();
  }
  const int pos = Walk.Enter(chosen, back);
  stAllFound->setText(QStringLiteral("มีจำนวน %1 ตำแหน่ง").arg(Walk.HitsInItem(chosen)));
  UpdateStepButtons();
  m_text.show();
  ShowHit(pos);
  if (SetSelectionTracking) SetSelectionTracking(true);
  if (pos >= 0) m_text.SelectBytes(pos, HitLength());
  ResultTextLoaded = true;
  m_text.setFocus();
  if (SetJumpsEnabled) SetJumpsEnabled(true);
}

void TSearchPanel::btnNextClick() {
  if (Walk.Chosen() < 0) return;
  if (!Walk.NextStaysInItem()) {
    if (Walk.Chosen() + 1 >= Walk.ItemCount()) return;
    cbxWords->setCurrentIndex(Walk.Chosen() + 1);
    cbxWordsChange(Sender::Next);
    return;
  }
  const int pos = Walk.StepForward();
  ShowHit(pos);
  if (pos >= 0) m_text.SelectBytes(pos, HitLength());
  UpdateStepButtons();
  if (Walk.FocusAfterForward() == HitWalk::Focus::Prev) {
    btnPrev->setFocus();
  } else {
    cbxWords->setFocus();
  }
}

void TSearchPanel::btnPrevClick() {
  if (Walk.Chosen() < 0) return;
  if (!Walk.PrevStaysInItem()) {
    if (Walk.Chosen() == 0) return;
    cbxWords->setCurrentIndex(Walk.Chosen() - 1);
    cbxWordsChange(Sender::Prev);
    return;
  }
  const int pos = Walk.StepBack();
  ShowHit(pos);
  if (pos >= 0) m_text.SelectBytes(pos, HitLength());
  UpdateStepButtons();
  if (Walk.FocusAfterBack() == HitWalk::Focus::Next) {
    btnNext->setFocus();
  } else {
    cbxWords->setFocus();
  }
}

void TSearchPanel::btnShowSearchResultClick() {
  const bool show = stgWordFound->isHidden();
  stgWordFound->setVisible(show);
  stgWhereFound->setVisible(show);
  if (show) {
    btnShowSearchResult->setIcon(style()->standardIcon(QStyle::SP_TitleBarShadeButton));
    SetHint(btnShowSearchResult, QStringLiteral("ซ่อนผลการค้นหา"));
    splSearch->setEnabled(true);
    setFixedHeight(SavedPanelHeight);
  } else {
    btnShowSearchResult->setIcon(style()->standardIcon(QStyle::SP_TitleBarUnshadeButton));
    SetHint(btnShowSearchResult, QStringLiteral("แสดงผลการค้นหา"));
    splSearch->setEnabled(false);
    SavedPanelHeight = height();
    setFixedHeight(kTopHeight + kBottomHeight);
  }
}

}  // namespace lomarin
