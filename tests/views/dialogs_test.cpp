// The catalogue, the contents dialog and the open-books switcher: the request codes the
// catalogue leaves, its category and contents rules, the contents choice and its cancel,
// and the switcher's tiling and its limit of two books.
#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "bookswitchplan.h"
#include "bookwriters.h"
#include "cataloguerequest.h"
#include "desktop.h"
#include "documentview.h"
#include "fileio.h"
#include "fixturelibrary.h"
#include "rgnbtn.h"
#include "tempdir.h"
#include "tfrmbookswitch.h"
#include "tfrmcntbook.h"
#include "tfrmcontent.h"

using namespace lomarin;
using lomarin::testing::Cp874;

namespace {

class RecordingDesktop final : public Desktop {
 public:
  void ProcessDocumentRequest() override {}
  void ReturnToDesktop() override {}
  QRect MainPageRect() const override { return QRect(5, 60, 1014, 688); }
};

// Runs `act` on the next modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(10, [act] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      act(modal);
    } else {
      WhenModal(act);
    }
  });
}

void ClickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// The lists beyond the fixture's bible/: six Visuddhimagga parts (part 0 with contents),
// four chant books, three headwords.
void WriteOtherLists(const std::string& data) {
  const std::string others = data + "others/";
  std::filesystem::create_directories(others);
  std::vector<std::string> parts;
  for (int p = 1; p <= 6; ++p) parts.push_back(Cp874("วิสุทธิมรรค ภาค ") + std::to_string(p));
  WriteFileAtomically(others + "wisut.lst", JoinLines(parts));
  WriteFileAtomically(others + "readmine.lst", JoinLines({"a", "b", "c", "d"}));
  BookFiles part;
  part.text = JoinLines({"x", "y", "z"});
  part.contents = JoinLines({Cp874("ศีล"), Cp874("ธุดงค์")});
  part.contentsLines = {0, 2};
  part.pages = {{0, 2}};
  part.pageHeaders = JoinLines({"h"});
  WriteVisuddhiPart(others, 0, part);
  WriteEncyclopedia(others, JoinLines({Cp874("กรรม"), Cp874("ขันธ์"), Cp874("ญาณ")}), {"1", "2", "3"});
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  RecordingDesktop m_desktop;

  TfrmCntBook* ShowCatalogue() {
    m_desktop.RequestCode = 0x100000;
    m_desktop.RequestArg = -1;
    auto* catalogue = new TfrmCntBook(m_desktop, nullptr);
    catalogue->show();
    catalogue->activateWindow();
    if (!QTest::qWaitForWindowActive(catalogue)) return nullptr;
    return catalogue;
  }

 private slots:
  void initTestCase() {
    m_desktop.DataFolder = m_dir.Folder();
    lomarin::testing::WriteFixtureLibrary(m_desktop.DataFolder);
    WriteOtherLists(m_desktop.DataFolder);
  }

  void catalogueRequest_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("contentsMode");
    QTest::addColumn<int>("chosenBook");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("arg");  // -1: RequestArg unchanged
    QTest::newRow("Tipitaka volume") << 0 << false << 0 << 4 << 45 << true << 4 << -1;
    QTest::newRow("Atthakatha line 0") << 1 << false << 0 << 0 << 88 << true << 0x10000 << -1;
    QTest::newRow("Visuddhimagga part") << 3 << false << 0 << 5 << 6 << true << 0x30005 << -1;
    QTest::newRow("headword") << 4 << false << 0 << 7 << 9 << true << 0x40007 << -1;
    QTest::newRow("chant book") << 5 << false << 0 << 3 << 4 << true << 0x50003 << -1;
    QTest::newRow("Tipitaka contents entry") << 0 << true << 4 << 12 << 30 << true << 4 << 12;
    QTest::newRow("Atthakatha contents entry") << 1 << true << 2 << 0 << 5 << true << 0x10002 << 0;
    QTest::newRow("Visuddhimagga contents entry") << 3 << true << 1 << 3 << 5 << true << 0x30001 << 3;
    QTest::newRow("Milindapanha: its list is its contents") << 2 << false << 0 << 6 << 9 << true << 0x20000 << 6;
    QTest::newRow("no line selected") << 0 << false << 0 << -1 << 45 << false << 0 << 0;
    QTest::newRow("selection past the list") << 0 << false << 0 << 45 << 45 << false << 0 << 0;
    QTest::newRow("index beyond 16 bits") << 4 << false << 0 << 0x10000 << 0x10001 << false << 0 << 0;
  }
  void catalogueRequest() {
    QFETCH(int, category);
    QFETCH(bool, contentsMode);
    QFETCH(int, chosenBook);
    QFETCH(int, selected);
    QFETCH(int, count);
    QFETCH(bool, opens);
    QFETCH(int, code);
    QFETCH(int, arg);
    const std::optional<CatalogueChoice> choice = CatalogueRequest(category, contentsMode, chosenBook, selected, count);
    QCOMPARE(choice.has_value(), opens);
    if (!opens) return;
    QCOMPARE(choice->code, code);
    QCOMPARE(choice->arg.value_or(-1), arg);
  }

  void bookSwitchPlan() {
    // Page image at top 60, 688 high: alone 588 high at 110; halves of 294.
    const std::optional<BookSwitchPlan> two = PlanBookSwitch({0, 2}, 1, 3, 60, 688);
    QVERIFY(two);
    QCOMPARE(two->currentIndex, 0);
    QCOMPARE(two->views.size(), size_t{2});
    const ViewPlacement lower = two->views[0];
    const ViewPlacement upper = two->views[1];
    QCOMPARE(std::vector<int>({upper.index, upper.top, upper.height, upper.partner}), std::vector<int>({0, 110, 294, 2}));
    QCOMPARE(std::vector<int>({lower.index, lower.top, lower.height, lower.partner}), std::vector<int>({2, 404, 294, 0}));

    const std::optional<BookSwitchPlan> selectedAlone = PlanBookSwitch({}, 1, 3, 60, 688);
    QVERIFY(selectedAlone);
    QCOMPARE(selectedAlone->currentIndex, 1);
    QCOMPARE(selectedAlone->views[0].top, 110);
    QCOMPARE(selectedAlone->views[0].height, 588);
    QCOMPARE(selectedAlone->views[0].partner, -1);
    QCOMPARE(PlanBookSwitch({2}, 1, 3, 60, 688)->currentIndex, 2);

    QVERIFY(!PlanBookSwitch({0, 1, 2}, 1, 3, 60, 688));
    QVERIFY(!PlanBookSwitch({}, -1, 3, 60, 688));
  }

  void categoriesReloadOnEveryFocusEntry() {
    QPointer<TfrmCntBook> catalogue = ShowCatalogue();
    QVERIFY(catalogue);
    // The first category has the focus when the window opens.
    QCOMPARE(catalogue->lsbBookIndex->count(), 12);
    QCOMPARE(catalogue->gbxBookName->title(), QStringLiteral("พระไตรปิฎก"));
    QTest::keyClick(catalogue->btnTripiList, Qt::Key_Tab);
    QCOMPARE(catalogue->Category, 1);
    QCOMPARE(catalogue->lsbBookIndex->count(), 3);
    // The Milindapanha button is disabled: Tab passes it.
    QTest::keyClick(catalogue->btnAttaList, Qt::Key_Tab);
    QCOMPARE(catalogue->Category, 3);
    QCOMPARE(catalogue->lsbBookIndex->count(), 6);
    QTest::keyClick(catalogue->btnWisutList, Qt::Key_Tab);
    QCOMPARE(catalogue->lsbBookIndex->count(), 3);
    QCOMPARE(catalogue->lsbBookIndex->item(1)->text(), QStringLiteral("ขันธ์"));
    QTest::keyClick(catalogue->btnSara, Qt::Key_Tab);
    QCOMPARE(catalogue->Category, 5);
    QCOMPARE(catalogue->lsbBookIndex->count(), 4);

    // A click selects the first line for the user and focuses the list; the actions wait
    // for a choice of the user's own.
    QTest::mouseClick(catalogue->btnAttaList, Qt::LeftButton);
    QCOMPARE(catalogue->lsbBookIndex->currentRow(), 0);
    QVERIFY(catalogue->lsbBookIndex->hasFocus());
    QVERIFY(!catalogue->btnOpenBook->isEnabled());
    QTest::keyClick(catalogue->lsbBookIndex, Qt::Key_Return);
    QTRY_VERIFY(!catalogue);
    QCOMPARE(m_desktop.RequestCode, 0x10000);
    QCOMPARE(m_desktop.RequestArg, -1);
  }

  void contentsModeOpensTheBookAtTheEntry() {
    QPointer<TfrmCntBook> catalogue = ShowCatalogue();
    QVERIFY(catalogue);
    ClickRow(catalogue->lsbBookIndex, 2);
    QVERIFY(catalogue->btnContent->isEnabled());
    QVERIFY(catalogue->btnOpenBook->isEnabled());
    QVERIFY(!catalogue->btnOpenBook->Default());
    catalogue->btnContent->Click();
    QVERIFY(catalogue->ContentsMode);
    QCOMPARE(catalogue->ChosenBook, 2);
    QCOMPARE(catalogue->lsbBookIndex->count(), 3);
    QVERIFY(!catalogue->btnContent->isEnabled());
    QVERIFY(!catalogue->btnOpenBook->isEnabled());
    ClickRow(catalogue->lsbBookIndex, 1);
    QVERIFY(!catalogue->btnContent->isEnabled());
    QVERIFY(catalogue->btnOpenBook->isEnabled());
    QVERIFY(catalogue->btnOpenBook->Default());

    // Entering another category leaves contents mode.
    QTest::mouseClick(catalogue->btnWisutList, Qt::LeftButton);
    QVERIFY(!catalogue->ContentsMode);
    QCOMPARE(catalogue->lsbBookIndex->count(), 6);
    QVERIFY(!catalogue->btnContent->isEnabled());
    QVERIFY(!catalogue->btnOpenBook->isEnabled());

    ClickRow(catalogue->lsbBookIndex, 0);
    catalogue->btnContent->Click();
    ClickRow(catalogue->lsbBookIndex, 1);
    QTest::mouseDClick(catalogue->lsbBookIndex->viewport(), Qt::LeftButton, {},
                       catalogue->lsbBookIndex->visualItemRect(catalogue->lsbBookIndex->item(1)).center());
    QTRY_VERIFY(!catalogue);
    QCOMPARE(m_desktop.RequestCode, 0x30000);
    QCOMPARE(m_desktop.RequestArg, 1);
  }

  void contentsThatCannotBeReadShowNothing() {
    QPointer<TfrmCntBook> catalogue = ShowCatalogue();
    QVERIFY(catalogue);
    QTest::mouseClick(catalogue->btnWisutList, Qt::LeftButton);
    ClickRow(catalogue->lsbBookIndex, 4);  // part 4 has no files
    catalogue->btnContent->Click();
    QCOMPARE(catalogue->lsbBookIndex->count(), 0);
    catalogue->btnClose->Click();
  }

  void closingOrOpeningNothingLeavesTheCatalogueRequest() {
    QPointer<TfrmCntBook> catalogue = ShowCatalogue();
    QVERIFY(catalogue);
    catalogue->btnSara->setFocus();
    QCOMPARE(catalogue->lsbBookIndex->count(), 3);
    // Enter in the list without a selected line opens nothing.
    catalogue->lsbBookIndex->setFocus();
    QTest::keyClick(catalogue->lsbBookIndex, Qt::Key_Return);
    QVERIFY(catalogue);
    QCOMPARE(m_desktop.RequestCode, 0x100000);
    // Esc is the close button's, and its focus clears the group's caption.
    catalogue->btnClose->setFocus();
    QCOMPARE(catalogue->gbxBookName->title(), QString());
    QTest::keyClick(catalogue->btnClose, Qt::Key_Escape);
    QTRY_VERIFY(!catalogue);
    QCOMPARE(m_desktop.RequestCode, 0x100000);
  }

  void contentsDialogChoiceAndCancel() {
    int32_t choice = 99;
    const auto showDialog = [&choice] {
      auto* dialog = new TfrmContent(nullptr, choice);
      dialog->ListBox1->addItems({"a", "b", "c"});
      dialog->show();
      dialog->activateWindow();
      return QPointer<TfrmContent>(dialog);
    };
    QPointer<TfrmContent> dialog = showDialog();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QVERIFY(!dialog->btnOpen->isEnabled());
    ClickRow(dialog->ListBox1, 2);
    QVERIFY(dialog->btnOpen->isEnabled());
    QTest::keyClick(dialog->ListBox1, Qt::Key_Return);
    QTRY_VERIFY(!dialog);
    QCOMPARE(choice, 2);

    dialog = showDialog();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    ClickRow(dialog->ListBox1, 1);
    QTest::keyClick(dialog->ListBox1, Qt::Key_Escape);
    QTRY_VERIFY(!dialog);
    QCOMPARE(choice, -1);

    // A double click on the empty part of the list, nothing selected: no entry.
    choice = 99;
    dialog = showDialog();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::mouseDClick(dialog->ListBox1->viewport(), Qt::LeftButton, {}, QPoint(20, 250));
    QTRY_VERIFY(!dialog);
    QCOMPARE(choice, -1);
  }

  void switcherShowsAtMostTwoBooks() {
    std::vector<std::unique_ptr<DocumentView>> views;
    for (const char* key : {"0|a", "1|b", "2|c"}) {
      views.push_back(std::make_unique<DocumentView>());
      views.back()->setGeometry(45, 110, 934, 588);
      m_desktop.WindowList.Append(key, views.back().get());
    }
    m_desktop.CurrentIndex = 1;
    QPointer<TfrmBookSwitch> dialog = new TfrmBookSwitch(m_desktop, m_desktop.MainPageRect(), nullptr);
    dialog->FillFromWindowList();
    QCOMPARE(dialog->cklBookList->count(), 3);
    QCOMPARE(dialog->cklBookList->item(2)->text(), QStringLiteral("c"));
    QCOMPARE(dialog->cklBookList->currentRow(), 1);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));

    int warnings = 0;
    const auto expectWarning = [&warnings] {
      WhenModal([&warnings](QWidget* box) {
        ++warnings;
        box->findChild<TRGNBtn*>(QStringLiteral("btnOK"))->Click();
      });
    };
    dialog->cklBookList->item(0)->setCheckState(Qt::Checked);
    dialog->cklBookList->item(1)->setCheckState(Qt::Checked);
    QCOMPARE(warnings, 0);
    expectWarning();
    dialog->cklBookList->item(2)->setCheckState(Qt::Checked);
    QCOMPARE(warnings, 1);
    QVERIFY(!dialog->btnOpen->isEnabled());
    // Enter does not proceed with three ticked.
    expectWarning();
    QTest::keyClick(dialog->cklBookList, Qt::Key_Return);
    QCOMPARE(warnings, 2);
    QVERIFY(dialog);
    QCOMPARE(views[0]->height(), 588);

    dialog->cklBookList->item(1)->setCheckState(Qt::Unchecked);
    QVERIFY(dialog->btnOpen->isEnabled());
    QTest::keyClick(dialog->cklBookList, Qt::Key_Return);
    QTRY_VERIFY(!dialog);
    QCOMPARE(views[0]->geometry(), QRect(45, 110, 934, 294));
    QCOMPARE(views[2]->geometry(), QRect(45, 404, 934, 294));
    QCOMPARE(views[1]->geometry(), QRect(45, 110, 934, 588));
    QCOMPARE(views[0]->PartnerIndex, 2);
    QCOMPARE(views[2]->PartnerIndex, 0);
    QCOMPARE(m_desktop.CurrentIndex, 0);
    for (const char* key : {"0|a", "1|b", "2|c"}) m_desktop.WindowList.DeleteKey(key);
  }
};

int RunDialogsTest(int argc, char** argv) {
  DialogsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dialogs_test.moc"
