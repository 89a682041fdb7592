// The search dialog and its history, the results panel's walk through the hits, and the
// comparison's targets, on a small library with a search index.
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>
#include <functional>

#include "comparison.h"
#include "desktop.h"
#include "fileerror.h"
#include "fileio.h"
#include "fixturelibrary.h"
#include "myrichedit.h"
#include "rgnbtn.h"
#include "searchhistory.h"
#include "searchlibrary.h"
#include "searchpanel.h"
#include "searchrequest.h"
#include "tempdir.h"
#include "tfrmsearchbox.h"

using namespace lomarin;
using lomarin::testing::Cp874;
using lomarin::testing::SearchLibraryLine;

namespace {

class FakeDesktop final : public Desktop {
 public:
  void ProcessDocumentRequest() override {
    ++requests;
    SearchFailed = false;
    if (onRequest) onRequest(*this);
  }
  void ReturnToDesktop() override {}
  QRect MainPageRect() const override { return QRect(0, 0, 1024, 768); }
  std::function<void(FakeDesktop&)> onRequest;
  int requests = 0;
};

QString Thai(const char* utf8) { return QString::fromUtf8(utf8); }

// The byte where `word` starts in line `line` of a volume of the library.
int HitByte(const TMyRichEdit& text, int volumeKey, int line, const char* word = "นิพพาน") {
  return text.RowStartByte(line) + static_cast<int>(SearchLibraryLine(volumeKey, line).find(Cp874(word)));
}

// The results panel over a text view, as the results reader holds them.
struct ResultsReader {
  explicit ResultsReader(const std::string& data) {
    desktop.DataFolder = data;
    text = new TMyRichEdit(&host);
    panel = new TSearchPanel(desktop, *text, &host);
    panel->SetJumpsEnabled = [this](bool enabled) { jumpsEnabled = enabled; };
    auto* layout = new QVBoxLayout(&host);
    layout->addWidget(panel);
    layout->addWidget(panel->splSearch);
    layout->addWidget(text, 1);
    panel->splSearch->show();
    host.resize(900, 420);
    host.show();
  }

  void Search(const char* query, int requestArg = 0, int volume = kAllVolumes) {
    const SearchRequestResult result =
        RunSearchRequest(desktop.Search, desktop.DataFolder, {requestArg, Cp874(query), volume, true});
    QCOMPARE(result.outcome, SearchOutcome::Found);
    desktop.SearchTogether = result.together;
    panel->ShowSearchResults();
  }

  FakeDesktop desktop;
  QWidget host;
  TMyRichEdit* text = nullptr;
  TSearchPanel* panel = nullptr;
  bool jumpsEnabled = false;
};

}  // namespace

class SearchViewsTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  std::string m_data;

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    m_data = m_dir.Folder();
    lomarin::testing::WriteSearchLibrary(m_data);
  }
  void init() { std::filesystem::remove(m_data + kSearchHistoryFile); }

  void historyKeepsOneSortedEntryPerQuery() {
    const lomarin::testing::TempDir dir;
    SearchHistory history(dir.Folder(), "unused/");
    history.Load();  // no file: an empty history
    QVERIFY(history.Entries().empty());
    for (const char* query : {"ปัญญา", "abc", "กรรม", "ABC", "ปัญญา", "1 ข้อ"}) history.Add(Cp874(query));
    // Thai dictionary order: digits first, Thai letters before Latin ones.
    const std::vector<std::string> sorted = {"1 " + Cp874("ข้อ"), Cp874("กรรม"), Cp874("ปัญญา"), "abc"};
    QCOMPARE(history.Entries(), sorted);
    history.Save();
    QCOMPARE(ReadWholeFile(dir.Path(kSearchHistoryFile)), sorted[0] + "\r\n" + sorted[1] + "\r\n" + sorted[2] + "\r\n" + sorted[3] + "\r\n");
    SearchHistory again(dir.Folder(), "unused/");
    again.Load();
    QCOMPARE(again.Entries(), sorted);
  }

  void historyGoesToTheUserFolderWhenTheDataFolderIsReadOnly() {
    const lomarin::testing::TempDir data, user;
    SearchHistory history(data.Folder(), user.Folder() + "lomarin/", [](const std::string&) { return false; });
    QCOMPARE(history.Path(), user.Folder() + "lomarin/" + kSearchHistoryFile);
    history.Add("x");
    history.Save();  // creates the per-user folder
    QVERIFY(std::filesystem::exists(history.Path()));
    QVERIFY(!std::filesystem::exists(data.Path(kSearchHistoryFile)));
    // A history that cannot be written is an error, not a silent loss.
    SearchHistory blocked(data.Path("file/"), data.Path("file/"));
    data.Write("file", "not a folder");
    blocked.Add("x");
    QVERIFY_THROWS_EXCEPTION(FileError, blocked.Save());
  }

  void dialogVolumeListsAndEmptyQuery() {
    FakeDesktop desktop;
    desktop.DataFolder = m_data;
    QPointer<TfrmSearchBox> box = new TfrmSearchBox(desktop, nullptr);
    box->show();
    QCOMPARE(box->cbxBookNum->count(), 54);
    QCOMPARE(box->cbxBookNum->itemText(0), Thai("ทุกเล่ม"));
    QCOMPARE(box->cbxBookNum->itemText(34), Thai("เล่มที่ 33.2"));
    QCOMPARE(box->cbxBookNum->itemText(53), Thai("เล่มที่ 45.3"));
    box->cbxBooks->setCurrentIndex(1);
    box->cbxBooksChange();
    QCOMPARE(box->cbxBookNum->count(), 89);
    QCOMPARE(box->cbxBookNum->itemText(88), Thai("เล่มที่ 88"));
    // No query: no search button, and Enter does nothing.
    QVERIFY(!box->btnSearch->isEnabled());
    QTest::keyClick(box->edWordSearch->lineEdit(), Qt::Key_Return);
    QCOMPARE(desktop.requests, 0);
    QTest::keyClicks(box->edWordSearch->lineEdit(), QStringLiteral("a"));
    QVERIFY(box->btnSearch->isEnabled());
    box->edWordSearch->setEditText(QString());
    QVERIFY(!box->btnSearch->isEnabled());
    box->close();
  }

  void dialogWritesTheRequestAndStaysOpenAfterAFailedSearch() {
    FakeDesktop desktop;
    desktop.DataFolder = m_data;
    desktop.onRequest = [](FakeDesktop& d) { d.SearchFailed = true; };
    QPointer<TfrmSearchBox> box = new TfrmSearchBox(desktop, nullptr);
    box->show();
    box->cbxBooks->setCurrentIndex(1);
    box->cbxBooksChange();
    box->cbxBookNum->setCurrentIndex(7);
    box->ckbTogether->setChecked(true);
    box->edWordSearch->setEditText(Thai("ไม่มี คำ"));
    QTest::keyClick(box->cbxBookNum, Qt::Key_Enter);  // Enter in a list searches too
    QCOMPARE(desktop.requests, 1);
    QCOMPARE(desktop.RequestCode, 0x0F0000);
    QCOMPARE(desktop.RequestArg, 1 + 16);
    QCOMPARE(desktop.SearchVolumeChoice, 7);
    QCOMPARE(desktop.SearchText, Cp874("ไม่มี คำ"));
    QVERIFY(!box.isNull() && box->isVisible());
    QVERIFY(box->btnSearch->isVisible() && box->btnClose->isVisible() && !box->pgbar1->isVisible());
    QVERIFY(!std::filesystem::exists(m_data + kSearchHistoryFile));
    // All volumes are asked for with 999; an error leaves the dialog usable as well.
    box->cbxBookNum->setCurrentIndex(0);
    desktop.onRequest = [](FakeDesktop&) { throw FileError::CannotOpen("bible/TPSDB.IDX"); };
    QVERIFY_THROWS_EXCEPTION(FileError, box->btnSearchClick());
    QCOMPARE(desktop.SearchVolumeChoice, kAllVolumes);
    QVERIFY(box->btnSearch->isVisible() && !box->pgbar1->isVisible());
    QVERIFY(!desktop.SearchProgressBar);
    box->close();
  }

  void dialogRecordsEachFruitfulQueryOnceSorted() {
    WriteFileAtomically(m_data + kSearchHistoryFile, Cp874("ปัญญา\r\nกรรม\r\n"));
    FakeDesktop desktop;
    desktop.DataFolder = m_data;
    desktop.onRequest = [](FakeDesktop& d) {
      d.SearchProgressBar(40);
      d.SearchText.clear();  // as the request's tail does
    };
    for (const char* query : {"ธรรมะ", "ธรรมะ"}) {
      QPointer<TfrmSearchBox> box = new TfrmSearchBox(desktop, nullptr);
      box->show();
      QCOMPARE(box->edWordSearch->count(), 2);  // the history is the drop-down
      QCOMPARE(box->edWordSearch->itemText(0), Thai("กรรม"));
      box->edWordSearch->setEditText(Thai(query));
      QTest::mouseClick(box->btnSearch, Qt::LeftButton);
      QCOMPARE(box->pgbar1->value(), 40);
      QTRY_VERIFY(box.isNull());  // closed and freed
      QCOMPARE(ReadWholeFile(m_data + kSearchHistoryFile), Cp874("กรรม\r\nธรรมะ\r\nปัญญา\r\n"));
      // The history of the next dialog holds the new query.
      WriteFileAtomically(m_data + kSearchHistoryFile, Cp874("กรรม\r\nปัญญา\r\n"));
    }
  }

  void resultsListWordsVolumesAndItems() {
    ResultsReader reader(m_data);
    reader.Search("นิพ*");
    TSearchPanel& panel = *reader.panel;
    QCOMPARE(panel.GridRowCount(panel.stgWordFound), 3);
    QCOMPARE(panel.CellText(panel.stgWordFound, 0, 1), Thai("นิพพาน"));
    QCOMPARE(panel.CellText(panel.stgWordFound, 1, 1), QStringLiteral("8"));
    QCOMPARE(panel.CellText(panel.stgWordFound, 0, 2), Thai("นิพัทธ์"));
    QCOMPARE(panel.Label1->text(), Thai("พบ 2 คำ โดยมีจำนวนทั้งหมด 9 ตำแหน่ง"));
    QCOMPARE(panel.GridRowCount(panel.stgWhereFound), 3);
    QCOMPARE(panel.CellText(panel.stgWhereFound, 0, 2), QStringLiteral("2"));
    QCOMPARE(panel.CellText(panel.stgWhereFound, 1, 1), QStringLiteral("6"));
    QCOMPARE(panel.cbxWords->count(), 3);
    QCOMPARE(panel.cbxWords->currentIndex(), -1);
    QCOMPARE(panel.Walk.ItemCount(), 3);
    QCOMPARE(panel.Walk.HitsInItem(1), 3);
    QVERIFY(!panel.ResultTextLoaded);
    // Counts are right-aligned; words are not.
    QCOMPARE(panel.stgWordFound->model()->index(0, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
             int(Qt::AlignRight));
    QCOMPARE(panel.stgWordFound->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, 0);

    // Another word: its own volumes, and the items of its first volume instead of the
    // old word's, so no hit of it is sought in items listed for the other.
    panel.stgWordFound->setCurrentIndex(panel.stgWordFound->model()->index(1, 0));
    QCOMPARE(panel.GridRowCount(panel.stgWhereFound), 2);
    QCOMPARE(panel.CellText(panel.stgWhereFound, 0, 1), QStringLiteral("2"));
    QCOMPARE(panel.cbxWords->count(), 1);
    QCOMPARE(panel.cbxWords->itemText(0), QStringLiteral("1"));
    QVERIFY(reader.text->Text().empty());
    QTest::keyClick(panel.stgWhereFound, Qt::Key_Return);
    QCOMPARE(reader.text->SelectedBytes(), Cp874("นิพัทธ์"));
    QCOMPARE(reader.text->SelStart(), HitByte(*reader.text, lomarin::testing::kTipitaka2, 8, "นิพัทธ์"));
    QVERIFY(reader.jumpsEnabled);
  }

  void steppingCrossesItemsBothWays() {
    ResultsReader reader(m_data);
    reader.Search("นิพพาน");
    TSearchPanel& panel = *reader.panel;
    TMyRichEdit& text = *reader.text;
    QTest::keyClick(panel.stgWhereFound, Qt::Key_Return);  // the first hit of the first item
    QVERIFY(panel.ResultTextLoaded);
    QCOMPARE(text.SelStart(), HitByte(text, lomarin::testing::kTipitaka1, 2));
    QCOMPARE(text.SelectedBytes(), Cp874("นิพพาน"));
    QCOMPARE(panel.stAllFound->text(), Thai("มีจำนวน 1 ตำแหน่ง"));
    QVERIFY(!panel.btnPrev->isEnabled() && panel.btnNext->isEnabled());

    // Every hit is coloured, and nothing else.
    const auto boldAt = [&](int byte) {
      QTextCursor at(text.document());
      at.setPosition(text.document()->findBlockByNumber(text.RowOfByte(byte)).position() + byte -
                     text.RowStartByte(text.RowOfByte(byte)) + 1);
      return at.charFormat().fontWeight() == QFont::Bold && at.charFormat().foreground().color() == Qt::red &&
             at.charFormat().fontUnderline();
    };
    for (const int line : {2, 11, 14, 17, 31, 35}) QVERIFY(boldAt(HitByte(text, lomarin::testing::kTipitaka1, line)));
    QVERIFY(!boldAt(text.RowStartByte(2)));

    struct Expected {
      int line, item, ordinal;
    };
    const Expected forward[] = {{11, 1, 1}, {14, 1, 2}, {17, 1, 3}, {31, 2, 1}, {35, 2, 2}};
    for (const Expected& e : forward) {
      QTest::mouseClick(panel.btnNext, Qt::LeftButton);
      QCOMPARE(text.SelStart(), HitByte(text, lomarin::testing::kTipitaka1, e.line));
      QCOMPARE(text.SelectedBytes(), Cp874("นิพพาน"));
      QCOMPARE(panel.cbxWords->currentIndex(), e.item);
      QCOMPARE(panel.Walk.Ordinal(), e.ordinal);
      if (e.line <= 17) QCOMPARE(text.FirstVisibleRow(), e.line);
    }
    // The last hit of the last item: no further step, and the focus on btnPrev.
    QVERIFY(!panel.btnNext->isEnabled() && panel.btnPrev->isEnabled());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(panel.btnPrev));

    // Back from an item's first hit enters the item before at its last hit.
    QTest::mouseClick(panel.btnPrev, Qt::LeftButton);
    QTest::mouseClick(panel.btnPrev, Qt::LeftButton);
    QCOMPARE(panel.cbxWords->currentIndex(), 1);
    QCOMPARE(panel.Walk.Ordinal(), 3);
    QCOMPARE(text.SelStart(), HitByte(text, lomarin::testing::kTipitaka1, 17));
    QCOMPARE(panel.stAllFound->text(), Thai("มีจำนวน 3 ตำแหน่ง"));
    for (int i = 0; i < 3; ++i) QTest::mouseClick(panel.btnPrev, Qt::LeftButton);
    QCOMPARE(text.SelStart(), HitByte(text, lomarin::testing::kTipitaka1, 2));
    QVERIFY(!panel.btnPrev->isEnabled() && panel.btnNext->isEnabled());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(&text));  // an item entered focuses the text

    // Another volume reloads its own text.
    panel.stgWhereFound->setCurrentIndex(panel.stgWhereFound->model()->index(1, 0));
    QVERIFY(!panel.ResultTextLoaded && !reader.jumpsEnabled);
    panel.cbxWords->setCurrentIndex(1);
    panel.cbxWordsChange(TSearchPanel::Sender::Items);
    QCOMPARE(text.LineCount(), 20);
    QCOMPARE(text.SelStart(), HitByte(text, lomarin::testing::kTipitaka2, 15));
    QVERIFY(panel.btnPrev->isEnabled() && !panel.btnNext->isEnabled());
  }

  void phrasesInTheSameItemStepByRecord() {
    ResultsReader reader(m_data);
    reader.Search("นิพพาน ปัญญา", 16, 1);
    TSearchPanel& panel = *reader.panel;
    QCOMPARE(panel.cbxWords->count(), 3);
    QTest::keyClick(panel.stgWhereFound, Qt::Key_Return);
    // One record per item: each item has one hit, its first phrase.
    QCOMPARE(reader.text->SelStart(), HitByte(*reader.text, lomarin::testing::kTipitaka1, 2));
    QTest::mouseClick(panel.btnNext, Qt::LeftButton);
    QCOMPARE(panel.cbxWords->currentIndex(), 1);
    QCOMPARE(reader.text->SelStart(), HitByte(*reader.text, lomarin::testing::kTipitaka1, 11));
    QTest::mouseClick(panel.btnPrev, Qt::LeftButton);
    QCOMPARE(reader.text->SelStart(), HitByte(*reader.text, lomarin::testing::kTipitaka1, 2));
  }

  void collapsingKeepsTheHeightItHad() {
    ResultsReader reader(m_data);
    reader.Search("นิพพาน");
    TSearchPanel& panel = *reader.panel;
    QCOMPARE(panel.height(), 213);
    // A height set with the splitter comes back after collapsing.
    const QPoint bar = panel.splSearch->rect().center();
    QTest::mousePress(panel.splSearch, Qt::LeftButton, {}, bar);
    QMouseEvent drag(QEvent::MouseMove, QPointF(bar + QPoint(0, 40)), panel.splSearch->mapToGlobal(QPointF(bar + QPoint(0, 40))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel.splSearch, &drag);
    QCOMPARE(panel.height(), 253);
    panel.btnShowSearchResultClick();
    QCOMPARE(panel.height(), 73);
    QVERIFY(!panel.GridsVisible() && !panel.splSearch->isEnabled());
    QCOMPARE(panel.btnShowSearchResult->toolTip(), Thai("แสดงผลการค้นหา"));
    panel.btnShowSearchResultClick();
    QCOMPARE(panel.height(), 253);
    QVERIFY(panel.GridsVisible() && panel.splSearch->isEnabled());
    QCOMPARE(panel.btnShowSearchResult->toolTip(), Thai("ซ่อนผลการค้นหา"));
  }

  void comparisonTargets_data() {
    QTest::addColumn<bool>("fromAtthakatha");
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("code");  // -1: not followed
    QTest::addColumn<int>("line");
    QTest::newRow("item 2 to its commentary page") << false << 1 << 12 << 0x10000 << 20;
    QTest::newRow("commentary page back to item 2") << true << 1 << 25 << 0 << 10;
    QTest::newRow("item without link") << false << 1 << 5 << -1 << 0;
    QTest::newRow("stretch without item") << false << 1 << 0 << -1 << 0;
    QTest::newRow("page outside the target's table") << false << 1 << 33 << -1 << 0;
    QTest::newRow("volume outside the collection") << false << 2 << 3 << -1 << 0;
    QTest::newRow("page without link") << true << 1 << 12 << -1 << 0;
  }
  void comparisonTargets() {
    QFETCH(bool, fromAtthakatha);
    QFETCH(int, volume);
    QFETCH(int, top);
    QFETCH(int, code);
    QFETCH(int, line);
    const std::optional<ComparisonTarget> target = FindComparisonTarget(m_data, fromAtthakatha, volume, top);
    QCOMPARE(target.has_value(), code >= 0);
    if (!target) return;
    QCOMPARE(target->requestCode, code);
    QCOMPARE(target->line, line);
  }
};

QTEST_MAIN(SearchViewsTest)
#include "search_test.moc"
