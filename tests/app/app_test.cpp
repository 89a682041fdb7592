// The desktop: command line, layout, settings, document requests, the window list's
// rules, ReturnToDesktop and the error report at the event-loop boundary.
#include <QLabel>
#include <filesystem>
#include <QLineEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "commandline.h"
#include "desktoplayout.h"
#include "fileerror.h"
#include "fixturelibrary.h"
#include "lomarinapplication.h"
#include "myrichedit.h"
#include "settings.h"
#include "tempdir.h"
#include "tfrmbodyhcnt.h"
#include "tfrmcntbook.h"
#include "testdesktop.h"
#include "tfrmmain.h"

using namespace lomarin;
using lomarin::testing::Cp874;

Q_DECLARE_METATYPE(std::optional<lomarin::OpenRequest>)

namespace {

TfrmBodyHCNT* ViewAt(TfrmMain& desktop, int index) {
  return qobject_cast<TfrmBodyHCNT*>(desktop.WindowList.At(index).view);
}

void Request(TfrmMain& desktop, int32_t code, int32_t arg = -1) {
  desktop.RequestCode = code;
  desktop.RequestArg = arg;
  desktop.ProcessDocumentRequest();
}

// A widget whose key handler meets a missing file.
class FailingWidget final : public QWidget {
 protected:
  void keyPressEvent(QKeyEvent*) override { throw FileError::CannotOpen("DATA/bible/TPNDB.PAK"); }
};

}  // namespace

class AppTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  QStringList m_errors;

  std::unique_ptr<TfrmMain> NewDesktop() { return lomarin::testing::NewTestDesktop(m_dir.Folder()); }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    lomarin::testing::WriteFixtureLibrary(m_dir.Folder());
    LomarinApplication::SetErrorReport([this](const QString& text) { m_errors << text; });
  }
  void init() { m_errors.clear(); }

  void commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("data");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("entry");
    QTest::newRow("nothing") << QStringList{} << true << "" << -1 << -1;
    QTest::newRow("decimal code") << QStringList{"--open", "4"} << true << "" << 4 << -1;
    QTest::newRow("hex code with entry") << QStringList{"--open=0x10002:7"} << true << "" << 0x10002 << 7;
    QTest::newRow("data and open") << QStringList{"--data", "/lib", "--open", "0X0:0"} << true << "/lib" << 0 << 0;
    QTest::newRow("negative code") << QStringList{"--open", "-1"} << false << "" << -1 << -1;
    QTest::newRow("bad entry") << QStringList{"--open", "3:x"} << false << "" << -1 << -1;
    QTest::newRow("code too large") << QStringList{"--open", "0x80000000"} << false << "" << -1 << -1;
    QTest::newRow("missing value") << QStringList{"--data"} << false << "" << -1 << -1;
    QTest::newRow("unknown") << QStringList{"--fast"} << false << "" << -1 << -1;
  }
  void commandLine() {
    QFETCH(QStringList, args);
    QFETCH(bool, ok);
    QFETCH(QString, data);
    QFETCH(int, code);
    QFETCH(int, entry);
    std::vector<std::string> list;
    for (const QString& a : args) list.push_back(a.toStdString());
    const CommandLine parsed = ParseCommandLine(list);
    QCOMPARE(parsed.error.empty(), ok);
    if (!ok) return;
    QCOMPARE(QString::fromStdString(parsed.dataFolder.value_or("")), data);
    QCOMPARE(parsed.open ? parsed.open->code : -1, code);
    QCOMPARE(parsed.open ? parsed.open->entry : -1, entry);
  }

  void layout() {
    QCOMPARE(PageImageRect(QSize(1024, 768)), QRect(5, 60, 1014, 688));
    QCOMPARE(PageImageRect(QSize(800, 600)), QRect(5, 60, 790, 520));
    QCOMPARE(ViewRect(QRect(5, 60, 1014, 688)), QRect(45, 110, 934, 588));
  }

  void settingsRoundTrip() {
    QCOMPARE(ReadSetting(QStringLiteral("Absent")), QString());
    WriteSetting(QStringLiteral("Show Intro"), QStringLiteral("0"));
    QCOMPARE(ReadSetting(QStringLiteral("Show Intro")), QStringLiteral("0"));
  }

  void openingAgainMovesTheOpenViewInsteadOfAddingOne() {
    auto desktop = NewDesktop();
    desktop->SearchText = "query";
    Request(*desktop, 0, 1);  // volume 1 at contents entry 1 (line 20)
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(desktop->CurrentIndex, 0);
    QVERIFY(desktop->SearchText.empty());
    QVERIFY(!desktop->imgMainPage->isHidden());
    TfrmBodyHCNT* view = ViewAt(*desktop, 0);
    QCOMPARE(view->geometry(), QRect(45, 110, 934, 588));
    QCOMPARE(view->DocumentKey, "0|" + Cp874("ไตรปิฎก เล่ม ๑"));
    QCOMPARE(view->reBody->FirstVisibleRow(), 20);
    QCOMPARE(view->reBody->SelStart(), view->reBody->RowStartByte(20));
    Request(*desktop, 0, 2);  // the same volume, entry 2 (line 40)
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(ViewAt(*desktop, 0), view);
    QCOMPARE(view->reBody->FirstVisibleRow(), 40);
    QCOMPARE(view->reBody->SelStart(), view->reBody->RowStartByte(40));
  }

  void keyOfCode10SortsBeforeCode2() {
    auto desktop = NewDesktop();
    Request(*desktop, 10);
    Request(*desktop, 2);
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(desktop->WindowList.At(0).key, "10|" + Cp874("ไตรปิฎก เล่ม ๑๑"));
    QCOMPARE(desktop->CurrentIndex, 1);
    Request(*desktop, 0x10000);  // Atthakatha volume 1
    QCOMPARE(desktop->WindowList.At(2).key, "65536|" + Cp874("อรรถกถา เล่ม ๑"));
    QCOMPARE(desktop->CurrentIndex, 2);
    // Opening a volume leaves the last search's collection to the results reader.
    QVERIFY(!desktop->Search.SearchInAtthakatha);
  }

  void requestsThatOpenNothing() {
    auto desktop = NewDesktop();
    desktop->SearchFailed = true;
    desktop->SearchText = "kept";
    for (int32_t code : {0x060000, 0x0F0001, 0x200000, 12, 0x10003}) Request(*desktop, code);
    QVERIFY(desktop->WindowList.Empty());
    QVERIFY(!desktop->SearchFailed);
    QCOMPARE(desktop->SearchText, std::string("kept"));
    QCOMPARE(desktop->CurrentIndex, -1);
  }

  void missingListFileIsReportedBeforeAnyView() {
    auto desktop = NewDesktop();
    desktop->DataFolder = m_dir.Folder() + "nowhere/";
    desktop->RequestCode = 0;
    desktop->RequestArg = -1;
    // Run as a user action from the event loop, whose boundary reports the error.
    QTimer::singleShot(0, desktop.get(), [&] { desktop->ProcessDocumentRequest(); });
    QTRY_COMPARE(m_errors.size(), 1);
    QCOMPARE(m_errors[0], QString::fromStdString("Cannot open file " + m_dir.Folder() + "nowhere/bible/tripi.lst"));
    QVERIFY(desktop->WindowList.Empty());
  }

  void closingViewsReturnsToTheDesktop() {
    auto desktop = NewDesktop();
    Request(*desktop, 0);
    Request(*desktop, 2);
    Request(*desktop, 10);  // list: 10, 0, 2
    QPointer<TfrmBodyHCNT> first = ViewAt(*desktop, 1);
    QPointer<TfrmBodyHCNT> last = ViewAt(*desktop, 2);
    last->setGeometry(45, 110, 934, 294);  // as the open-books switcher leaves a tiled view
    // An untiled view closes: the view at the last position comes forward at full height.
    ViewAt(*desktop, 0)->btnClose->click();
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(desktop->CurrentIndex, 1);
    QCOMPARE(last->geometry(), QRect(45, 110, 934, 588));
    QVERIFY(last->isVisible());
    QCOMPARE(desktop->children().last(), last.data());  // in front
    QVERIFY(!desktop->ViewClosed);
    // A partner position that the list no longer has brings the last view forward.
    last->PartnerIndex = 7;
    last->btnClose->click();
    QCOMPARE(desktop->CurrentIndex, 0);
    QVERIFY(first->isVisible());
    // The last view closes: no page image, no current document, the menu timer runs.
    first->btnClose->click();
    QVERIFY(desktop->WindowList.Empty());
    QVERIFY(desktop->imgMainPage->isHidden());
    QCOMPARE(desktop->CurrentIndex, -1);
    QVERIFY(desktop->Timer2->isActive());
    // Its one tick opens the catalogue, which stands in for the main menu.
    bool catalogueShown = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&catalogueShown] {
      if (auto* catalogue = qobject_cast<TfrmCntBook*>(QApplication::activeModalWidget())) {
        catalogueShown = true;
        catalogue->close();
      }
    });
    closer.start(10);
    QTRY_VERIFY(catalogueShown);
    QTRY_VERIFY(!desktop->Timer2->isActive());
    QTRY_VERIFY(first.isNull() && last.isNull());
  }

  void returnToDesktopWithoutClosedViewOnlySetsThePageImage() {
    auto desktop = NewDesktop();
    Request(*desktop, 0);
    Request(*desktop, 2);
    const QRect before = ViewAt(*desktop, 0)->geometry();
    desktop->ReturnToDesktop();
    QCOMPARE(desktop->CurrentIndex, 1);
    QCOMPARE(ViewAt(*desktop, 0)->geometry(), before);
    QVERIFY(!desktop->imgMainPage->isHidden());
    QVERIFY(!desktop->Timer2->isActive());
  }

  void startupRequestOpensTheVolume() {
    auto desktop = NewDesktop();
    desktop->SetStartupRequest({2, 1});
    desktop->Timer1->start();
    QTRY_COMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(ViewAt(*desktop, 0)->reBody->FirstVisibleRow(), 20);
    QVERIFY(!desktop->Timer2->isActive());
  }

  void closeIsRefusedUntilConfirmed() {
    auto desktop = NewDesktop();
    QVERIFY(!desktop->close());
    QVERIFY(desktop->isVisible());
    desktop->CloseConfirmed = true;
    QVERIFY(desktop->close());
  }

  void statusLineShowsTheLongPartOfHints() {
    auto desktop = NewDesktop();
    Request(*desktop, 0);
    QStatusTipEvent tip(QStringLiteral("short|the long part"));
    QCoreApplication::sendEvent(desktop.get(), &tip);
    QCOMPARE(desktop->lbStatus->text(), QStringLiteral("the long part"));
    // A hint of a button on a view reaches the desktop's status line.
    QToolButton* close = ViewAt(*desktop, 0)->btnClose;
    QStatusTipEvent fromView(close->statusTip());
    QCoreApplication::sendEvent(close, &fromView);
    QCOMPARE(desktop->lbStatus->text(), QString::fromUtf8("ปิดคัมภีร์"));
  }

  void missingTableIsReportedOnceNotOnEveryPaint() {
    lomarin::testing::TempDir damaged;
    lomarin::testing::WriteFixtureLibrary(damaged.Folder());
    std::filesystem::remove(damaged.Path("bible/TPNDB.PAK"));
    auto desktop = NewDesktop();
    desktop->DataFolder = damaged.Folder();
    Request(*desktop, 0);
    TfrmBodyHCNT* view = ViewAt(*desktop, 0);
    QTRY_COMPARE(m_errors.size(), 1);
    QCOMPARE(m_errors[0], QString::fromStdString("Cannot open file " + damaged.Folder() + "bible/TPNDB.PAK"));
    view->reBody->ScrollToRow(30);
    view->repaint();
    QTest::qWait(20);
    QCOMPARE(m_errors.size(), 1);
  }

  void unhandledErrorIsShownAndTheProgramGoesOn() {
    FailingWidget widget;
    widget.show();
    QTest::keyClick(&widget, Qt::Key_A);
    QCOMPARE(m_errors, QStringList{QStringLiteral("Cannot open file DATA/bible/TPNDB.PAK")});
    // An empty number in a jump edit is the same kind of error; the edit stays open.
    auto desktop = NewDesktop();
    Request(*desktop, 0);
    TfrmBodyHCNT* view = ViewAt(*desktop, 0);
    QTest::mouseClick(view->stNum, Qt::LeftButton);
    view->edNum->setText(QStringLiteral("    "));
    QTest::keyClick(view->edNum, Qt::Key_Return);
    QCOMPARE(m_errors.size(), 2);
    QCOMPARE(m_errors[1], QStringLiteral("'' is not a valid integer value"));
    QVERIFY(!view->edNum->isHidden());
  }
};

int RunKeysTest(int argc, char** argv);
int RunOtherBooksAppTest(int argc, char** argv);

int main(int argc, char** argv) {
  LomarinApplication app(argc, argv);
  AppTest test;
  int failures = QTest::qExec(&test, argc, argv);
  failures += RunKeysTest(argc, argv);
  failures += RunOtherBooksAppTest(argc, argv);
  return failures;
}

#include "app_test.moc"
