#include "tfrmcntbook.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "attaproc.h"
#include "cataloguerequest.h"
#include "desktop.h"
#include "fileio.h"
#include "hint.h"
#include "listrows.h"
#include "milinproc.h"
#include "rgnbtn.h"
#include "saraproc.h"
#include "textlines.h"
#include "thaifonts.h"
#include "tipiproc.h"
#include "wisutproc.h"

namespace lomarin {
namespace {

constexpr int kRowHeight = 30;

enum Category : int32_t {
  kTipitaka = 0,
  kAtthakatha = 1,
  kMilinda = kCategoryMilinda,
  kVisuddhi = 3,
  kEncyclopedia = 4,
  kChants = 5,
};

}  // namespace

TfrmCntBook::TfrmCntBook(Desktop& desktop, QWidget* owner) : DialogForm(owner, QSize(780, 470)), m_desktop(desktop) {
  setObjectName(QStringLiteral("frmCntBook"));
  setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27));

  struct CategoryButton {
    TRGNBtn** button;
    const char* name;
    const char* caption;
    TRGNBtn** guide;
    const char* guideName;
    const char* guideHint;
  };
  const CategoryButton categories[] = {
      {&btnTripiList, "btnTripiList", "พระไตรปิฎก", &btnTIPIGuide, "btnTIPIGuide", "ขอคำแนะนำการใช้งานพระไตรปิฎก"},
      {&btnAttaList, "btnAttaList", "อรรถกถา", &btnATTAGuide, "btnATTAGuide", "ขอคำแนะนำการใช้งานอรรถกถา"},
      {&btnMilinList, "btnMilinList", "มิลินทปัญหา", &btnMilin, "btnMilin", "ขอคำแนะนำการใช้งานมิลินทปัญหา"},
      {&btnWisutList, "btnWisutList", "วิสุทธิมรรค", &btnWitsuGuide, "btnWitsuGuide", "ขอคำแนะนำการใช้งานวิสุทธิมรรค"},
      {&btnSara, "btnSara", "สารานุกรม", &btnSaraGuide, "btnSaraGuide", "ขอคำแนะนำการใช้งานสารานุกรม"},
      {&btnReadMine, "btnReadMine", "บทสวดต่างๆ", &btnBodsoadGuide, "btnBodsoadGuide",
       "ขอคำแนะนำการใช้งานบทสวดต่างๆ"},
  };
  // Tab order follows creation: the categories, the list, then the action buttons.
  int top = 24;
  for (const CategoryButton& c : categories) {
    TRGNBtn* button = TRGNBtn::CreateCommon(this, QString::fromLatin1(c.name), QString::fromUtf8(c.caption), QRect(16, top, 170, 44));
    button->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27, true));
    connect(button, &TRGNBtn::OnEnter, this, [this, button] { btnTripiListEnter(button); });
    connect(button, &TRGNBtn::OnClick, this, &TfrmCntBook::btnTripiListClick);
    *c.button = button;
    top += 58;
  }
  top = 30;
  for (const CategoryButton& c : categories) {
    TRGNBtn* guide = TRGNBtn::CreateCommon(this, QString::fromLatin1(c.guideName), QStringLiteral("?"), QRect(194, top, 32, 32));
    SetHint(guide, QString::fromUtf8(c.guideHint));
    connect(guide, &TRGNBtn::OnEnter, this, &TfrmCntBook::btnLastUsageEnter);
    *c.guide = guide;
    top += 58;
  }
  // The Milindapanha is reached through the reader, not through the catalogue.
  btnMilinList->setEnabled(false);
  btnMilin->setEnabled(false);

  gbxBookName = new QGroupBox(this);
  gbxBookName->setObjectName(QStringLiteral("gbxBookName"));
  gbxBookName->setGeometry(244, 8, 524, 400);
  nbContent = new QStackedWidget(gbxBookName);
  nbContent->setObjectName(QStringLiteral("nbContent"));
  lsbBookIndex = new QListWidget;
  lsbBookIndex->setObjectName(QStringLiteral("lsbBookIndex"));
  lsbBookIndex->setFont(PixelFont(QStringLiteral("EucrosiaUPC"), 21, true));
  nbContent->addWidget(lsbBookIndex);
  auto* frame = new QVBoxLayout(gbxBookName);
  frame->addWidget(nbContent);
  connect(lsbBookIndex, &QListWidget::currentRowChanged, this, &TfrmCntBook::lsbBookIndexClick);
  connect(lsbBookIndex, &QListWidget::pressed, this, &TfrmCntBook::lsbBookIndexClick);
  lsbBookIndex->installEventFilter(this);
  lsbBookIndex->viewport()->installEventFilter(this);

  btnOpenBook = TRGNBtn::CreateCommon(this, QStringLiteral("btnOpenBook"), QStringLiteral("เปิด"), QRect(424, 422, 100, 36));
  btnOpenBook->setEnabled(false);
  connect(btnOpenBook, &TRGNBtn::OnClick, this, &TfrmCntBook::btnOpenBookClick);
  btnContent = TRGNBtn::CreateCommon(this, QStringLiteral("btnContent"), QStringLiteral("ดูสารบัญ"), QRect(534, 422, 110, 36));
  btnContent->setEnabled(false);
  btnContent->SetDefault(true);
  connect(btnContent, &TRGNBtn::OnClick, this, &TfrmCntBook::btnContentClick);
  btnClose = TRGNBtn::CreateCommon(this, QStringLiteral("btnClose"), QStringLiteral("ปิด"), QRect(654, 422, 100, 36));
  btnClose->SetCancel(true);
  connect(btnClose, &TRGNBtn::OnEnter, this, &TfrmCntBook::btnLastUsageEnter);
  connect(btnClose, &TRGNBtn::OnClick, this, &QWidget::close);

  // Order the focus chain: categories with their guides, the list, then the actions.
  QWidget* previous = btnTripiList;
  for (QWidget* next : std::initializer_list<QWidget*>{btnAttaList, btnMilinList, btnWisutList, btnSara, btnReadMine,
                                                       lsbBookIndex, btnOpenBook, btnContent, btnClose, btnTIPIGuide,
                                                       btnATTAGuide, btnMilin, btnWitsuGuide, btnSaraGuide,
                                                       btnBodsoadGuide}) {
    setTabOrder(previous, next);
    previous = next;
  }
}

void TfrmCntBook::btnTripiListEnter(TRGNBtn* button) {
  ContentsMode = false;
  btnOpenBook->setEnabled(false);
  btnContent->setEnabled(false);
  gbxBookName->setTitle(button->Caption());
  Category = button == btnTripiList   ? kTipitaka
             : button == btnAttaList  ? kAtthakatha
             : button == btnMilinList ? kMilinda
             : button == btnWisutList ? kVisuddhi
             : button == btnSara      ? kEncyclopedia
                                      : kChants;
  nbContent->setCurrentIndex(0);
  fillBookList();
}

void TfrmCntBook::fillBookList() {
  // Cleared first: a list file that cannot be read reports its error and leaves it empty.
  FillRows(lsbBookIndex, {}, kRowHeight);
  LineList lines;
  switch (Category) {
    case kTipitaka:
      lines.ReplaceText(ReadWholeFile(m_desktop.DataFolder + "bible/tripi.lst"));
      break;
    case kAtthakatha:
      lines.ReplaceText(ReadWholeFile(m_desktop.DataFolder + "bible/atta.lst"));
      break;
    case kMilinda:
      SetMilindaFolder(m_desktop.DataFolder + "others/");
      LoadMilindaContents(lines);
      break;
    case kVisuddhi:
      lines.ReplaceText(ReadWholeFile(m_desktop.DataFolder + "others/wisut.lst"));
      break;
    case kEncyclopedia:
      SetEncyclopediaFolder(m_desktop.DataFolder + "others/");
      LoadEncyclopediaIndex(lines);
      break;
    default:
      lines.ReplaceText(ReadWholeFile(m_desktop.DataFolder + "others/readmine.lst"));
      break;
  }
  FillRows(lsbBookIndex, lines.lines, kRowHeight);
}

void TfrmCntBook::btnTripiListClick() {
  if (lsbBookIndex->count() == 0) return;
  {
    // Selected for the user, not by the user: the action buttons wait for a choice.
    const QSignalBlocker quiet(lsbBookIndex);
    lsbBookIndex->setCurrentRow(0);
  }
  lsbBookIndex->setFocus();
}

void TfrmCntBook::lsbBookIndexClick() {
  const bool contentsAvailable = Category == kTipitaka || Category == kAtthakatha || Category == kVisuddhi;
  btnContent->setEnabled(contentsAvailable && !ContentsMode);
  btnOpenBook->setEnabled(SelectedRow(lsbBookIndex) >= 0);
  btnOpenBook->SetDefault(!btnContent->isEnabled());
}

void TfrmCntBook::btnContentClick() {
  const int selected = SelectedRow(lsbBookIndex);
  if (selected < 0) return;
  ContentsMode = true;
  ChosenBook = selected;
  fillContents();
  btnContent->setEnabled(false);
  btnOpenBook->setEnabled(false);
  lsbBookIndex->setFocus();
}

void TfrmCntBook::fillContents() {
  LineList contents;
  bool loaded = false;
  if (Category == kTipitaka) {
    SetTipitakaFolder(m_desktop.DataFolder + "bible/");
    loaded = LoadTipitakaContents(ChosenBook + 1, contents);
  } else if (Category == kAtthakatha) {
    SetAtthakathaFolder(m_desktop.DataFolder + "bible/");
    loaded = LoadAtthakathaContents(ChosenBook + 1, contents);
  } else if (Category == kVisuddhi) {
    SetVisuddhiFolder(m_desktop.DataFolder + "others/");
    loaded = LoadVisuddhiContents(ChosenBook, contents);
  }
  // A contents list that cannot be read shows nothing rather than the book titles,
  // whose lines would open as contents entries.
  FillRows(lsbBookIndex, loaded ? contents.lines : std::vector<std::string>{}, kRowHeight);
}

void TfrmCntBook::btnOpenBookClick() {
  const std::optional<CatalogueChoice> choice =
      CatalogueRequest(Category, ContentsMode, ChosenBook, SelectedRow(lsbBookIndex), lsbBookIndex->count());
  if (!choice) return;
  m_desktop.RequestCode = choice->code;
  if (choice->arg) {
    m_desktop.RequestArg = *choice->arg;
  } else {
    lsbBookIndex->clearSelection();
  }
  close();
}

void TfrmCntBook::btnLastUsageEnter() { gbxBookName->setTitle(QString()); }

bool TfrmCntBook::eventFilter(QObject* watched, QEvent* event) {
  // A double click anywhere on the list, and Enter in it, open as the button does.
  if (watched == lsbBookIndex->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    btnOpenBookClick();
    return true;
  }
  if (watched == lsbBookIndex && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      btnOpenBookClick();
      return true;
    }
  }
  return DialogForm::eventFilter(watched, event);
}

}  // namespace lomarin
