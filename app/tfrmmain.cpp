#include "tfrmmain.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include "attaproc.h"
#include "desktoplayout.h"
#include "documentcode.h"
#include "fileio.h"
#include "hint.h"
#include "lomarinapplication.h"
#include "myrichedit.h"
#include "warningbox.h"
#include "searchhistory.h"
#include "searchpanel.h"
#include "tfrmbodyhcnt.h"
#include "tfrmcntbook.h"
#include "thaifonts.h"
#include "textlines.h"
#include "tipiproc.h"

namespace lomarin {
namespace {

const QColor kDesktopColour(209, 197, 179);
const QColor kStatusColour(61, 40, 14);

// Hit tables go to the per-user data folder when the data folder is not writable.
SearchSettings SearchSettingsOfThisUser() {
  SearchSettings settings;
  settings.fallbackTableFolder = PerUserDataFolder();
  return settings;
}

}  // namespace

TfrmMain::TfrmMain(std::string dataFolder, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), Desktop(SearchSettingsOfThisUser()) {
  setObjectName(QStringLiteral("frmMain"));
  DataFolder = std::move(dataFolder);
  setFont(PixelFont(QStringLiteral("MS Sans Serif"), 11));

  imgMainPage = new QLabel(this);
  imgMainPage->setObjectName(QStringLiteral("imgMainPage"));
  imgMainPage->hide();

  lbStatus = new QLabel(this);
  lbStatus->setObjectName(QStringLiteral("lbStatus"));
  lbStatus->setAlignment(Qt::AlignCenter);
  QFont statusFont = PixelFont(QStringLiteral("IrisUPC"), 29, true);
  statusFont.setItalic(true);
  lbStatus->setFont(statusFont);
  QPalette statusColours = lbStatus->palette();
  statusColours.setColor(QPalette::WindowText, kStatusColour);
  lbStatus->setPalette(statusColours);

  Timer1 = new QTimer(this);
  Timer1->setInterval(100);
  connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
  Timer1->start();
  Timer2 = new QTimer(this);
  Timer2->setInterval(1);
  connect(Timer2, &QTimer::timeout, this, &TfrmMain::Timer2Timer);

  // Key preview: the desktop sees every key of its own and its views' controls first.
  qApp->installEventFilter(this);
}

void TfrmMain::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FormShow();
}

void TfrmMain::FormShow() {
  if (const QScreen* s = screen()) setGeometry(s->geometry());
  setWindowTitle(QApplication::applicationName());
  const QRect page = PageImageRect(size());
  imgMainPage->setGeometry(page);
  imgMainPage->setAutoFillBackground(true);
  QPalette pageColours = imgMainPage->palette();
  pageColours.setColor(QPalette::Window, kDesktopColour);
  imgMainPage->setPalette(pageColours);
  lbStatus->setGeometry(0, height() - 38, width(), 38);
  update();
}

void TfrmMain::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (TileBitmap.isNull()) {
    painter.fillRect(rect(), kDesktopColour);
    return;
  }
  for (int y = 0; y < height(); y += TileBitmap.height()) {
    for (int x = 0; x < width(); x += TileBitmap.width()) painter.drawPixmap(x, y, TileBitmap);
  }
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  // FormCloseQuery: only a confirmed exit closes the desktop.
  if (CloseConfirmed) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    ShowStatusHint(static_cast<QStatusTipEvent*>(event)->tip());
    return true;
  }
  return QWidget::event(event);
}

void TfrmMain::ShowStatusHint(const QString& hint) { lbStatus->setText(LongHint(hint)); }

bool TfrmMain::ConfirmExit() {
  return AskQuestion(this, QStringLiteral("คำยืนยัน"), QStringLiteral("ต้องการออกจากโปรแกรมหรือไม่?"),
                     QStringLiteral("ใช่"), QStringLiteral("ไม่"));
}

void TfrmMain::LeaveProgram() {
  CloseConfirmed = true;
  close();
  QApplication::quit();
}

void TfrmMain::Timer1Timer() {
  Timer1->stop();
  if (m_startupRequest) {
    RequestCode = m_startupRequest->code;
    RequestArg = m_startupRequest->entry;
    try {
      ProcessDocumentRequest();
    } catch (const std::exception& e) {
      // The start-up goes on to the desktop whatever the request met.
      LomarinApplication::ReportError(QString::fromUtf8(e.what()));
    }
  }
  ReturnToDesktop();
}

void TfrmMain::Timer2Timer() {
  Timer2->stop();
  OpenMainMenu();
}

void TfrmMain::OpenMainMenu() { ShowCatalogue(); }

void TfrmMain::ShowCatalogue() {
  RequestCode = kCatalogueCode;
  RequestArg = -1;
  ProcessDocumentRequest();
  // While the catalogue stands in for the main menu, closing it without a choice must
  // not bring it straight back: the empty desktop stays reachable (F2 reopens it, F12
  // leaves).
  if (RequestCode == kCatalogueCode) Timer2->stop();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    // A key reaches its first receiver (the focused control, else the window) once; the
    // copies passed on to the parents are not keys of their own.
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* focused = QApplication::focusWidget();
    const bool firstReceiver = focused != nullptr ? widget == focused : widget->isWindow();
    if (firstReceiver && widget->window() == this) FormKeyDown(static_cast<QKeyEvent*>(event)->key());
  }
  return QWidget::eventFilter(watched, event);
}

DocumentView* TfrmMain::CurrentView() const {
  if (CurrentIndex < 0 || CurrentIndex >= WindowList.Count()) return nullptr;
  return WindowList.At(CurrentIndex).view;
}

void TfrmMain::FormKeyDown(int key) {
  DocumentView* current = CurrentView();
  const auto clickButton = [current](const char* name) {
    if (auto* button = current->findChild<QAbstractButton*>(QLatin1String(name))) button->click();
  };
  switch (key) {
    case Qt::Key_Escape:
      OpenMainMenu();
      break;
    case Qt::Key_F1:
      ShowSearchDialog();
      break;
    case Qt::Key_F2:
      ShowCatalogue();
      break;
    case Qt::Key_F3:
      if (auto* reader = qobject_cast<TfrmBodyHCNT*>(current)) reader->btnContentOpenClick();
      break;
    case Qt::Key_F4:
      if (auto* reader = qobject_cast<TfrmBodyHCNT*>(current); reader != nullptr && !reader->btnT_ASwitch->isHidden()) {
        reader->btnT_ASwitchClick();
      }
      break;
    case Qt::Key_F5:
      if (auto* reader = qobject_cast<TfrmBodyHCNT*>(current);
          reader != nullptr && reader->pnSearchResult != nullptr && !reader->pnSearchResult->isHidden()) {
        reader->pnSearchResult->btnShowSearchResultClick();
      }
      break;
    case Qt::Key_F7:
      if (current != nullptr) {
        clickButton("btnBookSwitch");
        QCoreApplication::processEvents();
      }
      break;
    case Qt::Key_F8:
      showMinimized();
      break;
    case Qt::Key_F10:
      if (current != nullptr) clickButton("btnClose");
      break;
    case Qt::Key_F12:
      if (ConfirmExit()) LeaveProgram();
      break;
    default:
      break;
  }
}

void TfrmMain::ProcessDocumentRequest() {
  SearchFailed = false;
  WindowList.Sort();
  std::string currentKey;
  if (RequestCode == kCatalogueCode) {
    auto* catalogue = new TfrmCntBook(*this, this);
    catalogue->exec();
    ViewClosed = false;
    if (RequestCode == kCatalogueCode) ReturnToDesktop();
  }
  // The intro scroll opens here once its window comes; until then its code opens nothing.
  if (RequestCode == kSearchResultsCode) {
    currentKey = OpenSearchResults();
  } else if (RequestCode >= 0 && RequestCode <= 0x01FFFF) {
    currentKey = OpenNumberedVolume(RequestKind(RequestCode), RequestIndex(RequestCode));
  } else if (RequestCode >= 0x020000 && RequestCode <= 0x05FFFF) {
    const int index = RequestIndex(RequestCode);
    switch (RequestKind(RequestCode)) {
      case kKindMilinda:
        currentKey = OpenMilinda();
        break;
      case kKindVisuddhi:
        currentKey = OpenVisuddhiPart(index);
        break;
      case kKindEncyclopedia:
        currentKey = OpenEncyclopedia(index);
        break;
      default:
        currentKey = OpenChantBook(index);
        break;
    }
  }
  if (!currentKey.empty()) {
    SearchText.clear();
    WindowList.Sort();
    CurrentIndex = WindowList.IndexOf(currentKey);
  }
}

std::string TfrmMain::OpenNumberedVolume(int kind, int index) {
  const bool atthakatha = kind == kKindAtthakatha;
  const std::vector<std::string> titles =
      SplitLines(ReadWholeFile(DataFolder + (atthakatha ? "bible/atta.lst" : "bible/tripi.lst")));
  if (index >= static_cast<int>(titles.size())) return {};
  const std::string key = std::to_string(RequestCode) + "|" + titles[static_cast<size_t>(index)];
  const int volume = index + 1;
  const auto contentsLine = [&](int entry) {
    return atthakatha ? AtthakathaContentsLine(volume, entry) : TipitakaContentsLine(volume, entry);
  };

  const int found = WindowList.IndexOf(key);
  if (found < 0) {
    imgMainPage->show();
    TfrmBodyHCNT* view = PlaceNewNumberedView();
    if (atthakatha) {
      SetAtthakathaFolder(DataFolder + "bible/");
      LoadAtthakathaText(volume, *view->reBody);
    } else {
      SetTipitakaFolder(DataFolder + "bible/");
      LoadTipitakaText(volume, *view->reBody);
    }
    CurrentIndex = WindowList.Append(key, view);
    view->DocumentKey = key;
    view->DocumentCode = RequestCode;
    view->ConfigureForKind();
    view->show();
    view->reBody->setFocus();
    if (RequestArg > -1) MoveToContentsEntry(view, contentsLine(RequestArg), 2);
    return key;
  }
  CurrentIndex = found;
  auto* view = qobject_cast<TfrmBodyHCNT*>(WindowList.At(found).view);
  if (view == nullptr) return {};
  view->raise();
  view->reBody->setFocus();
  if (RequestArg > -1) MoveToContentsEntry(view, contentsLine(RequestArg), 1);
  return view->DocumentKey;
}

TfrmBodyHCNT* TfrmMain::PlaceNewNumberedView() {
  auto* view = new TfrmBodyHCNT(*this, this);
  view->setGeometry(ViewRect(imgMainPage->geometry()));
  return view;
}

void TfrmMain::MoveToContentsEntry(TfrmBodyHCNT* view, int line, int scrolls) {
  view->reBody->SetSelStart(view->reBody->RowStartByte(line));
  for (int i = 0; i < scrolls; ++i) view->reBody->ScrollToRow(line);
}

QRect TfrmMain::MainPageRect() const { return imgMainPage->geometry(); }

void TfrmMain::ReturnToDesktop() {
  imgMainPage->setVisible(!WindowList.Empty());
  if (ViewClosed && !WindowList.Empty()) {
    const QRect page = imgMainPage->geometry();
    const int height = page.height() - 100;
    const int top = page.top() + (page.height() - height) / 2;
    CurrentIndex = ReturnViewIndex(WindowList.Count(), CurrentIndex, ReturnIndex);
    DocumentView* view = WindowList.At(CurrentIndex).view;
    view->hide();
    view->setGeometry(view->x(), top, view->width(), height);
    view->PartnerIndex = -1;
    view->show();
    view->raise();
  }
  ViewClosed = false;
  if (WindowList.Empty()) {
    CurrentIndex = -1;
    Timer2->start();
  }
}

}  // namespace lomarin
