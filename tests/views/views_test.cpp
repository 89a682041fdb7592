// The window list's rules, the reader's position tracking and its jumps, on a small
// library written with the store's writers.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "desktop.h"
#include "fixturelibrary.h"
#include "myrichedit.h"
#include "positiontracking.h"
#include "qtcp874.h"
#include "tempdir.h"
#include "tfrmbodyhcnt.h"
#include "tipiproc.h"
#include "attaproc.h"
#include "tstatusbar.h"
#include "windowlist.h"

using namespace lomarin;
using lomarin::testing::Cp874;

namespace {

class FakeDesktop final : public Desktop {
 public:
  void ProcessDocumentRequest() override {}
  void ReturnToDesktop() override { ++returns; }
  QRect MainPageRect() const override { return QRect(5, 60, 1014, 688); }
  int returns = 0;
};

QString Thai(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class ViewsTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  std::string m_data;

  // A reader of Tipitaka (kind 0) or Atthakatha (kind 1) volume 1 (or `index` + 1).
  TfrmBodyHCNT* OpenReader(FakeDesktop& desktop, int kind, int index = 0) {
    desktop.DataFolder = m_data;
    auto* view = new TfrmBodyHCNT(desktop, nullptr);
    view->DocumentCode = (kind << 16) | index;
    view->DocumentKey = std::to_string(view->DocumentCode) + "|" + Cp874("เล่ม");
    if (kind == 0) {
      SetTipitakaFolder(m_data + "bible/");
      LoadTipitakaText(index + 1, *view->reBody);
    } else {
      SetAtthakathaFolder(m_data + "bible/");
      LoadAtthakathaText(index + 1, *view->reBody);
    }
    view->ConfigureForKind();
    view->resize(900, 500);
    view->show();
    return view;
  }

 private slots:
  void initTestCase() {
    m_data = m_dir.Folder();
    lomarin::testing::WriteFixtureLibrary(m_data);
  }

  void windowListSortsCodesAsTextBeforeThaiKeys() {
    DocumentWindowList list;
    list.Append(Cp874("มิลินทปัญหา"), nullptr);
    list.Append("2|" + Cp874("ไตรปิฎก เล่ม ๓"), nullptr);
    list.Append("10|" + Cp874("ไตรปิฎก เล่ม ๑๑"), nullptr);
    list.Append("65536|" + Cp874("อรรถกถา เล่ม ๑"), nullptr);
    list.Sort();
    QCOMPARE(list.At(0).key, "10|" + Cp874("ไตรปิฎก เล่ม ๑๑"));
    QCOMPARE(list.At(1).key, "2|" + Cp874("ไตรปิฎก เล่ม ๓"));
    QCOMPARE(list.At(2).key, "65536|" + Cp874("อรรถกถา เล่ม ๑"));
    QCOMPARE(list.At(3).key, Cp874("มิลินทปัญหา"));
    QCOMPARE(list.IndexOf("2|" + Cp874("ไตรปิฎก เล่ม ๓")), 1);
    QCOMPARE(list.IndexOf("3|" + Cp874("ไตรปิฎก เล่ม ๓")), -1);
    list.DeleteKey("10|" + Cp874("ไตรปิฎก เล่ม ๑๑"));
    QCOMPARE(list.Count(), 3);
    QCOMPARE(list.IndexOf(Cp874("มิลินทปัญหา")), 2);
  }

  void titleOfKey() {
    QCOMPARE(TitleOfKey("4|" + Cp874("เล่ม ๕|ภาค")), Cp874("เล่ม ๕|ภาค"));
    QCOMPARE(TitleOfKey(Cp874("มิลินทปัญหา")), Cp874("มิลินทปัญหา"));
  }

  void returnViewIndex_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("returnIndex");
    QTest::addColumn<int>("expected");
    QTest::newRow("untiled: the last view") << 3 << 0 << -1 << 2;
    QTest::newRow("partner is current") << 3 << 1 << 1 << 1;
    QTest::newRow("partner after the closed view") << 3 << 0 << 1 << 0;
    QTest::newRow("stale partner below the list") << 3 << 1 << 0 << 2;
    QTest::newRow("stale partner beyond the list") << 2 << 0 << 5 << 1;
  }
  void returnViewIndex() {
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(int, returnIndex);
    QFETCH(int, expected);
    QCOMPARE(ReturnViewIndex(count, current, returnIndex), expected);
  }

  void tipitakaTracking_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("compare");
    QTest::newRow("first line, no item of its own") << 0 << 1 << 1 << false;
    QTest::newRow("first page shows item 1, links by the real item") << 12 << 1 << 1 << true;
    QTest::newRow("item 2 on page 2") << 21 << 2 << 2 << true;
    QTest::newRow("between items: item 0") << 27 << 2 << 0 << false;
    QTest::newRow("item 12 without link") << 41 << 3 << 12 << false;
    QTest::newRow("beyond every page: the last") << 500 << 3 << 0 << false;
  }
  void tipitakaTracking() {
    QFETCH(int, top);
    QFETCH(int, page);
    QFETCH(int, item);
    QFETCH(bool, compare);
    const TrackedPosition shown = TrackPosition(m_data, 0, 1, top);
    QCOMPARE(shown.page, page);
    QCOMPARE(shown.item, std::optional<int>(item));
    QCOMPARE(shown.compareVisible, std::optional<bool>(compare));
    QVERIFY(!shown.header);
  }

  void atthakathaTracking() {
    TrackedPosition shown = TrackPosition(m_data, 1, 1, 25);
    QCOMPARE(shown.page, 2);
    QCOMPARE(shown.header, std::optional<std::string>(Cp874("หัวหน้า ๒")));
    QCOMPARE(shown.compareVisible, std::optional<bool>(true));
    QVERIFY(!shown.item);
    // The Atthakatha walk never answers record 0: the first lines count as the last page.
    shown = TrackPosition(m_data, 1, 1, 3);
    QCOMPARE(shown.page, 3);
    QCOMPARE(shown.compareVisible, std::optional<bool>(false));
    // Other books count pages of 25 lines.
    QCOMPARE(TrackPosition(m_data, 2, 1, 24).page, 1);
    QCOMPARE(TrackPosition(m_data, 2, 1, 25).page, 2);
  }

  void jumpsRefuseWhatTheTablesDoNotHold() {
    QCOMPARE(ItemJumpLine(m_data, 1, 12), std::optional<int>(30));
    QCOMPARE(ItemJumpLine(m_data, 1, 3), std::nullopt);     // unused slot
    QCOMPARE(ItemJumpLine(m_data, 1, 0), std::nullopt);     // outside 1-2600
    QCOMPARE(ItemJumpLine(m_data, 1, 2601), std::nullopt);  // would be volume 2's first slot
    QCOMPARE(ItemJumpLine(m_data, 53, 2600), std::nullopt); // the table's very last slot
    QCOMPARE(PageJumpLine(m_data, 0, 1, 2), std::optional<int>(20));
    QCOMPARE(PageJumpLine(m_data, 1, 1, 3), std::optional<int>(40));
    QCOMPARE(PageJumpLine(m_data, 0, 1, 0), std::nullopt);
    QCOMPARE(PageJumpLine(m_data, 0, 1, 4), std::nullopt);
    QCOMPARE(PageJumpLine(m_data, 0, 3, 1), std::optional<int>(0));  // negative first line
  }

  void readerShowsPositionOfTopLine() {
    FakeDesktop desktop;
    std::unique_ptr<TfrmBodyHCNT> view(OpenReader(desktop, 0));
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QCOMPARE(view->lbBookName->text(), Thai("เล่ม"));
    QCOMPARE(view->stPage->text(), Thai("๑"));
    QCOMPARE(view->stNum->text(), Thai("๑"));
    QVERIFY(view->btnT_ASwitch->isHidden());
    view->reBody->ScrollToRow(21);
    QTRY_COMPARE(view->stNum->text(), Thai("๒"));
    QVERIFY(!view->btnT_ASwitch->isHidden());
    view->reBody->ScrollToRow(41);
    QTRY_COMPARE(view->stPage->text(), Thai("๓"));
    QCOMPARE(view->stNum->text(), Thai("๑๒"));
    QVERIFY(view->btnT_ASwitch->isHidden());
  }

  void atthakathaReaderShowsRunningHead() {
    FakeDesktop desktop;
    std::unique_ptr<TfrmBodyHCNT> view(OpenReader(desktop, 1));
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QVERIFY(view->stNum->isHidden());
    view->reBody->ScrollToRow(22);
    QTRY_COMPARE(view->stbar->PanelAt(2).text, Thai("หัวหน้า ๒"));
    QCOMPARE(view->stbar->PanelAt(2).width, 400);
    QCOMPARE(view->stPage->text(), Thai("๒"));
    QCOMPARE(view->btnT_ASwitch->toolTip(), Thai("เทียบพระไตรปิฎก"));
  }

  void itemJumpThroughTheEdit() {
    FakeDesktop desktop;
    std::unique_ptr<TfrmBodyHCNT> view(OpenReader(desktop, 0));
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTest::mouseClick(view->stNum, Qt::LeftButton);
    QVERIFY(!view->edNum->isHidden());
    QCOMPARE(view->edNum->text(), QStringLiteral("1"));
    // An unused item is refused: nothing moves and the edit stays open.
    view->edNum->setText(QStringLiteral("3"));
    QTest::keyClick(view->edNum, Qt::Key_Return);
    QVERIFY(!view->edNum->isHidden());
    QCOMPARE(view->reBody->FirstVisibleRow(), 0);
    view->edNum->setText(QStringLiteral("  12"));
    QTest::keyClick(view->edNum, Qt::Key_Return);
    QVERIFY(view->edNum->isHidden());
    QVERIFY(!view->stNum->isHidden());
    QCOMPARE(view->stNum->text(), Thai("๑๒"));
    QCOMPARE(view->reBody->FirstVisibleRow(), 30);
    QCOMPARE(view->reBody->SelStart(), view->reBody->RowStartByte(30));
  }

  void pageJumpRefusesPagesOutsideTheTable() {
    FakeDesktop desktop;
    std::unique_ptr<TfrmBodyHCNT> view(OpenReader(desktop, 0));
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    QTest::mouseClick(view->stPage, Qt::LeftButton);
    for (const char* refused : {"0", "4", "9999"}) {
      view->edPage->setText(QString::fromLatin1(refused));
      QTest::keyClick(view->edPage, Qt::Key_Enter);
      QVERIFY(!view->edPage->isHidden());
    }
    view->edPage->setText(QStringLiteral("2"));
    QTest::keyClick(view->edPage, Qt::Key_Enter);
    QVERIFY(view->edPage->isHidden());
    QCOMPARE(view->reBody->FirstVisibleRow(), 20);
    QCOMPARE(view->stPage->text(), Thai("๒"));
  }

  void selectionFeedsSearchTextAndCopyButton() {
    FakeDesktop desktop;
    std::unique_ptr<TfrmBodyHCNT> view(OpenReader(desktop, 0));
    QVERIFY(!view->btnCopyText->isEnabled());
    view->reBody->SelectBytes(view->reBody->RowStartByte(2), 6);
    QVERIFY(view->btnCopyText->isEnabled());
    QCOMPARE(desktop.SearchText, lomarin::testing::FixtureLine(2).substr(0, 6));
    view->PopupMenu1Popup();
    QVERIFY(view->pimCopy->isEnabled() && view->pimSelPrint->isEnabled());
    view->reBody->SetSelStart(0);
    QVERIFY(!view->btnCopyText->isEnabled());
    QVERIFY(desktop.SearchText.empty());
    view->PopupMenu1Popup();
    QVERIFY(!view->pimCopy->isEnabled() && !view->pimSelPrint->isEnabled());
  }

  void closeHandsBackToTheDesktop() {
    FakeDesktop desktop;
    QPointer<TfrmBodyHCNT> view(OpenReader(desktop, 0));
    desktop.WindowList.Append(view->DocumentKey, view);
    view->PartnerIndex = 4;
    desktop.SearchText = "x";
    QTest::mouseClick(view->btnClose, Qt::LeftButton);
    QCOMPARE(desktop.ReturnIndex, 4);
    QVERIFY(desktop.ViewClosed);
    QVERIFY(desktop.WindowList.Empty());
    QCOMPARE(desktop.returns, 1);
    QVERIFY(desktop.SearchText.empty());
    QTRY_VERIFY(view.isNull());  // it frees itself
  }
};

int RunViewsTest(int argc, char** argv) {
  ViewsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "views_test.moc"
