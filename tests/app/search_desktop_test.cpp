// The desktop's search-results request and the commentary comparison between readers,
// on a small library with a search index.
#include <QComboBox>
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "desktoplayout.h"
#include "fixturelibrary.h"
#include "myrichedit.h"
#include "searchlibrary.h"
#include "searchpanel.h"
#include "tempdir.h"
#include "tfrmbodyhcnt.h"
#include "testdesktop.h"
#include "tfrmmain.h"
#include "tstatusbar.h"

using namespace lomarin;
using lomarin::testing::Cp874;

namespace {

QString Thai(const char* utf8) { return QString::fromUtf8(utf8); }

TfrmBodyHCNT* CurrentReader(TfrmMain& desktop) {
  return qobject_cast<TfrmBodyHCNT*>(desktop.WindowList.At(desktop.CurrentIndex).view);
}

}  // namespace

class SearchDesktopTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  QStringList m_messages;
  QTimer m_messageCloser;

  std::unique_ptr<TfrmMain> NewDesktop() { return lomarin::testing::NewTestDesktop(m_dir.Folder()); }

  // What the search dialog writes into the desktop before it issues the request.
  static void Search(TfrmMain& desktop, const char* query, int requestArg = 0, int volume = 999) {
    desktop.SearchText = Cp874(query);
    desktop.SearchVolumeChoice = volume;
    desktop.RequestCode = 0x0F0000;
    desktop.RequestArg = requestArg;
    desktop.ProcessDocumentRequest();
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    lomarin::testing::WriteSearchLibrary(m_dir.Folder());
    // Every message box is read and closed as it opens.
    connect(&m_messageCloser, &QTimer::timeout, this, [this] {
      QWidget* box = QApplication::activeModalWidget();
      if (box == nullptr || box->objectName() != QStringLiteral("frmMessage")) return;
      m_messages << box->findChild<QLabel*>(QStringLiteral("lbText"))->text();
      box->close();
    });
    m_messageCloser.start(5);
  }
  void init() { m_messages.clear(); }

  void searchFindsRefinesAndFails() {
    auto desktop = NewDesktop();
    // Nothing found and no reader yet: a message, and nothing opens.
    Search(*desktop, "ไม่มีคำนี้");
    QVERIFY(desktop->SearchFailed);
    QCOMPARE(m_messages, QStringList{Thai("ไม่พบคำ \"ไม่มีคำนี้\"")});
    QVERIFY(desktop->WindowList.Empty());

    Search(*desktop, "นิพ*");
    QVERIFY(!desktop->SearchFailed);
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(desktop->WindowList.At(0).key, Cp874("ผลจากการค้นหา"));
    QVERIFY(desktop->SearchText.empty());  // the request's tail
    QPointer<TfrmBodyHCNT> reader = CurrentReader(*desktop);
    TSearchPanel* panel = reader->pnSearchResult;
    QVERIFY(panel->isVisible() && panel->splSearch->isVisible());
    QVERIFY(panel->y() < reader->Panel1->y());  // the results above the title
    QCOMPARE(reader->DocumentCode, 0x0F0000);
    QCOMPARE(panel->Label1->text(), Thai("พบ 2 คำ โดยมีจำนวนทั้งหมด 9 ตำแหน่ง"));
    QCOMPARE(panel->stSP->text(), Thai("ในข้อ"));
    QVERIFY(!reader->stPage->isEnabled() && !reader->stNum->isEnabled());
    QCOMPARE(reader->stbar->PanelAt(2).width, 70);

    // Refined: the same reader, holding only the new rows and items.
    Search(*desktop, "นิพพาน", 0, 2);
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(CurrentReader(*desktop), reader.data());
    QCOMPARE(panel->GridRowCount(panel->stgWordFound), 2);
    QCOMPARE(panel->GridRowCount(panel->stgWhereFound), 2);
    QCOMPARE(panel->cbxWords->count(), 2);
    QCOMPARE(panel->Walk.ItemCount(), panel->cbxWords->count());
    QCOMPARE(panel->Label1->text(), Thai("พบ 1 คำ โดยมีจำนวนทั้งหมด 2 ตำแหน่ง"));
    QTest::keyClick(panel->stgWhereFound, Qt::Key_Return);
    QVERIFY(reader->reBody->LineCount() > 0);
    QVERIFY(reader->stPage->isEnabled());

    // Over the Atthakatha the reader counts pages.
    Search(*desktop, "นิพพาน", 1);
    QCOMPARE(panel->stSP->text(), Thai("ในหน้า"));
    QVERIFY(reader->stNum->isHidden());
    QCOMPARE(reader->stbar->PanelAt(2).width, 0);

    // Refused, then fruitless: the reader stays listed; the second empties its text.
    QTest::keyClick(panel->stgWhereFound, Qt::Key_Return);
    Search(*desktop, "   ");
    QCOMPARE(m_messages.last(), Thai("ใช้กฎการค้นหาไม่ถูกต้อง."));
    QVERIFY(desktop->SearchFailed);
    QVERIFY(reader->reBody->LineCount() > 0);
    Search(*desktop, "ไม่มีคำนี้");
    QVERIFY(desktop->SearchFailed);
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(reader->reBody->LineCount(), 0);
    QCOMPARE(panel->cbxWords->count(), 0);
    QCOMPARE(m_messages.size(), 3);
  }

  void comparisonOpensTheCommentaryAndComesBack() {
    auto desktop = NewDesktop();
    desktop->RequestCode = 0;  // Tipitaka volume 1
    desktop->RequestArg = -1;
    desktop->ProcessDocumentRequest();
    TfrmBodyHCNT* tipitaka = CurrentReader(*desktop);
    tipitaka->reBody->ScrollToRow(12);  // item 2
    tipitaka->reBodyVScroll();
    QVERIFY(!tipitaka->btnT_ASwitch->isHidden());
    tipitaka->PopupMenu1Popup();
    QVERIFY(tipitaka->imnLink->isVisible());
    QCOMPARE(tipitaka->imnLink->text(), Thai("เทียบอรรถกถา"));

    tipitaka->btnT_ASwitchClick();
    QCOMPARE(desktop->WindowList.Count(), 2);
    TfrmBodyHCNT* atthakatha = CurrentReader(*desktop);
    QCOMPARE(atthakatha->DocumentCode, 0x10000);
    QCOMPARE(atthakatha->reBody->FirstVisibleRow(), 20);  // the first line of page 3

    // And back from the commentary page to its item, whose reader is open already.
    atthakatha->reBody->ScrollToRow(22);
    QTRY_VERIFY(!atthakatha->btnT_ASwitch->isHidden());  // once tracking has seen the page
    QTest::keyClick(atthakatha->reBody, Qt::Key_F4);
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(CurrentReader(*desktop), tipitaka);
    QCOMPARE(tipitaka->reBody->FirstVisibleRow(), 10);

    // Again with the commentary open: brought forward and scrolled, no second window.
    atthakatha->reBody->ScrollToRow(0);
    tipitaka->reBody->ScrollToRow(12);
    tipitaka->btnT_ASwitchClick();
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(CurrentReader(*desktop), atthakatha);
    QCOMPARE(atthakatha->reBody->FirstVisibleRow(), 20);
  }

  void resultsReaderComparesFromTheVolumeShown() {
    auto desktop = NewDesktop();
    Search(*desktop, "นิพพาน", 0, 1);
    TfrmBodyHCNT* reader = CurrentReader(*desktop);
    TSearchPanel* panel = reader->pnSearchResult;
    panel->cbxWords->setCurrentIndex(1);  // item 2
    panel->cbxWordsChange(TSearchPanel::Sender::Items);
    QTRY_VERIFY(!reader->btnT_ASwitch->isHidden());
    QCOMPARE(reader->btnT_ASwitch->toolTip(), Thai("เทียบอรรถกถา"));
    QTest::keyClick(reader->reBody, Qt::Key_F4);
    TfrmBodyHCNT* atthakatha = CurrentReader(*desktop);
    QCOMPARE(atthakatha->DocumentCode, 0x10000);
    QCOMPARE(atthakatha->reBody->FirstVisibleRow(), 20);
  }
};

QTEST_MAIN(SearchDesktopTest)
#include "search_desktop_test.moc"
