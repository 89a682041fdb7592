// The views of the other books: the encyclopedia's type-ahead and articles, the chant
// reader, and the position tracking of the Milindapanha and the Visuddhimagga, on a small
// library written with the store's writers.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include "desktop.h"
#include "findheadword.h"
#include "fixturelibrary.h"
#include "myrichedit.h"
#include "otherbookkeys.h"
#include "otherbooksfixture.h"
#include "positiontracking.h"
#include "qtcp874.h"
#include "tempdir.h"
#include "tfrmbodyhncnt.h"
#include "tfrmsara.h"
#include "tstatusbar.h"

using namespace lomarin;
using lomarin::testing::Cp874;
using lomarin::testing::kHeadwords;

namespace {

class FakeDesktop final : public Desktop {
 public:
  void ProcessDocumentRequest() override {}
  void ReturnToDesktop() override { ++returns; }
  QRect MainPageRect() const override { return QRect(5, 60, 1014, 688); }
  int returns = 0;
};

std::vector<std::string> Cp874Headwords() {
  std::vector<std::string> headwords;
  for (const std::string& h : kHeadwords) headwords.push_back(Cp874(h));
  return headwords;
}

// The character format of the byte at `byte` of the first line of the view.
QTextCharFormat FormatAt(const TMyRichEdit* view, int byte) {
  QTextCursor cursor(view->document());
  cursor.setPosition(byte + 1);
  return cursor.charFormat();
}

// Typing Thai into a field, one key event per character.
void TypeText(QWidget* field, const QString& text) {
  for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool IsBoldBlue(const QTextCharFormat& format) {
  return format.fontWeight() == QFont::Bold && format.foreground().color() == QColor(0, 0, 255);
}

}  // namespace

class OtherBooksTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  std::string m_data;

  TfrmSara* OpenEncyclopedia(FakeDesktop& desktop, int headword) {
    desktop.DataFolder = m_data;
    auto* view = new TfrmSara(desktop, nullptr);
    view->resize(934, 588);
    view->show();
    view->SelectHeadword(headword);
    view->lsbWordClick();
    return view;
  }

 private slots:
  void initTestCase() {
    m_data = m_dir.Folder();
    lomarin::testing::WriteOtherBooks(m_data);
  }

  void findHeadword_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("selected");  // -1: the selection stays
    QTest::newRow("exact") << "กาม" << 2;
    QTest::newRow("leading part of a later headword") << "ขัน" << 3;
    QTest::newRow("an earlier headword begins with it") << "กรรม" << 0;
    QTest::newRow("longer than any headword") << "ธรรมะเป็นที่พึ่ง" << 8;
    QTest::newRow("longest leading part wins") << "กาจ" << 2;
    QTest::newRow("cleared field") << "" << 0;
    QTest::newRow("no headword shares a byte") << "abc" << -1;
  }

  void findHeadword() {
    QFETCH(QString, typed);
    QFETCH(int, selected);
    QCOMPARE(FindHeadword(Cp874Headwords(), Cp874FromQString(typed)).value_or(-1), selected);
  }

  void findHeadwordComparesWithinTheBuffer() {
    QCOMPARE(FindHeadword({}, "a").has_value(), false);
    QCOMPARE(FindHeadword({}, "").has_value(), false);
    // Past 255 bytes nothing is compared: the two long headwords tie, the first wins.
    const std::string longText(255, 'a');
    QCOMPARE(FindHeadword({"a", longText + "x", longText + "y"}, longText + "y").value_or(-1), 1);
    QCOMPARE(FindHeadword({"a", std::string(300, 'a')}, std::string(1000, 'a')).value_or(-1), 1);
  }

  void milindaCountsPagesOf25Lines_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("page");
    QTest::newRow("first line") << 0 << 1;
    QTest::newRow("last line of page 1") << 24 << 1;
    QTest::newRow("first line of page 2") << 25 << 2;
    QTest::newRow("last line of the book") << 79 << 4;
  }

  void milindaCountsPagesOf25Lines() {
    QFETCH(int, top);
    QFETCH(int, page);
    const TrackedPosition shown = TrackPosition(m_data, 2, 1, top);
    QCOMPARE(shown.page, page);
    QVERIFY(!shown.item && !shown.header && !shown.compareVisible);
  }

  void visuddhiShowsPageAndRunningHead() {
    // Visuddhimagga part 2 is volume 3 for the reader; its page table and heads.
    for (const auto& [top, page, head] : {std::tuple{0, 1, "หัวเรื่อง ๑"}, std::tuple{25, 2, "หัวเรื่อง ๒"},
                                          std::tuple{59, 3, "หัวเรื่อง ๓"}}) {
      const TrackedPosition shown = TrackPosition(m_data, 3, 3, top);
      QCOMPARE(shown.page, page);
      QCOMPARE(shown.header.value_or(""), Cp874(head));
      QVERIFY(!shown.item && !shown.compareVisible);
    }
  }

  void articleOpensWithBoldBlueHeadword() {
    FakeDesktop desktop;
    TfrmSara* view = OpenEncyclopedia(desktop, 2);
    const int headword = static_cast<int>(Cp874(kHeadwords[2]).size());
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(2));
    QCOMPARE(view->edWord->text(), QString::fromStdString(kHeadwords[2]));
    QVERIFY(IsBoldBlue(FormatAt(view->reBody, 0)));
    QVERIFY(IsBoldBlue(FormatAt(view->reBody, headword - 1)));
    QVERIFY(!IsBoldBlue(FormatAt(view->reBody, headword)));
    QCOMPARE(view->reBody->SelStart(), 0);
    QCOMPARE(view->reBody->SelLength(), 0);
    // Another article: only its own, shorter heading is marked.
    view->SelectHeadword(4);
    view->lsbWordClick();
    const int shorter = static_cast<int>(Cp874(kHeadwords[4]).size());
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(4));
    QVERIFY(IsBoldBlue(FormatAt(view->reBody, shorter - 1)));
    QVERIFY(!IsBoldBlue(FormatAt(view->reBody, shorter)));
    delete view;
  }

  void clickedHeadwordOpensItsOwnArticle() {
    // "กรรมฐาน" stands before "กรรม" and begins with it; a click on "กรรม" still opens it.
    FakeDesktop desktop;
    TfrmSara* view = OpenEncyclopedia(desktop, 1);
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(1));
    QCOMPARE(view->lsbWord->currentRow(), 1);
    // Enter in the field opens the headword selected in the list, not the earlier one.
    QTest::keyClick(view->edWord, Qt::Key_Return);
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(1));
    delete view;
  }

  void typingMovesTheListAndOnlyEnterOpens() {
    FakeDesktop desktop;
    TfrmSara* view = OpenEncyclopedia(desktop, 2);
    view->edWord->clear();
    QCOMPARE(view->lsbWord->currentRow(), 0);
    TypeText(view->edWord, QStringLiteral("ธรรมะ"));
    QCOMPARE(view->lsbWord->currentRow(), 8);
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(2));
    QTest::keyClick(view->edWord, Qt::Key_Return);
    QCOMPARE(view->edWord->text(), QString::fromStdString(kHeadwords[8]));
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(8));
    // A text no headword shares leaves the selection where it was.
    view->edWord->setText(QStringLiteral("xyz"));
    QCOMPARE(view->lsbWord->currentRow(), 8);
    delete view;
  }

  void swappingTheListTwiceRestoresTheForm() {
    FakeDesktop desktop;
    TfrmSara* view = OpenEncyclopedia(desktop, 0);
    QCOMPARE(view->splSara->indexOf(view->lsbWord), 1);
    QCOMPARE(view->imnAlign->text(), QStringLiteral("ชิดขอบซ้าย"));
    QCOMPARE(view->N4->text(), QStringLiteral("ชิดขอบขวา"));
    view->btnSwapAlign->click();
    QVERIFY(!view->ListAtRight());
    QCOMPARE(view->splSara->indexOf(view->lsbWord), 0);
    QCOMPARE(view->imnAlign->text(), QStringLiteral("ชิดขอบขวา"));
    QCOMPARE(view->N4->text(), QStringLiteral("ชิดขอบซ้าย"));
    view->N4->trigger();
    QVERIFY(view->ListAtRight());
    QCOMPARE(view->splSara->indexOf(view->lsbWord), 1);
    QCOMPARE(view->imnAlign->text(), QStringLiteral("ชิดขอบซ้าย"));
    QCOMPARE(view->N4->text(), QStringLiteral("ชิดขอบขวา"));
    delete view;
  }

  void encyclopediaWithoutHeadwords() {
    lomarin::testing::TempDir empty;
    FakeDesktop desktop;
    desktop.DataFolder = empty.Folder();
    TfrmSara view(desktop, nullptr);
    view.show();
    QCOMPARE(view.lsbWord->count(), 0);
    TypeText(view.edWord, QStringLiteral("กาม"));
    QTest::keyClick(view.edWord, Qt::Key_Return);
    view.lsbWordClick();
    QCOMPARE(view.reBody->LineCount(), 0);
  }

  void encyclopediaSelectionAndClose() {
    FakeDesktop desktop;
    TfrmSara* view = OpenEncyclopedia(desktop, 3);
    desktop.WindowList.Append(std::string(kEncyclopediaKey), view);
    view->reBody->SelectBytes(0, 4);
    QCOMPARE(desktop.SearchText, view->reBody->Text().substr(0, 4));
    QVERIFY(view->btnCopy->isEnabled());
    view->PartnerIndex = 4;
    view->btnClose->click();
    QVERIFY(desktop.WindowList.Empty());
    QCOMPARE(desktop.ReturnIndex, 4);
    QCOMPARE(desktop.returns, 1);
    QVERIFY(desktop.SearchText.empty());
  }

  void chantReaderShowsTitleAndStartsAtTheTop() {
    FakeDesktop desktop;
    auto* view = new TfrmBodyHNCNT(desktop, nullptr);
    view->DocumentKey = std::to_string(0x050002) + std::string(kChantKeySuffixes[2]);
    std::string text;
    for (int i = 0; i < 200; ++i) text += Cp874("บทสวด บรรทัด ") + std::to_string(i) + "\r\n";
    view->reBody->ReplaceText(text);
    view->resize(934, 588);
    view->show();
    QCOMPARE(view->lbBookName->text(), QStringLiteral("บทสวด : ปาฏิโมกข์"));
    QCOMPARE(view->reBody->SelStart(), 0);
    QVERIFY(!view->btnCopyText->isEnabled());
    // Shown again after the switcher hid it: back at the start, whatever was selected.
    view->reBody->SelectBytes(view->reBody->RowStartByte(150), 5);
    view->reBody->ScrollToRow(150);
    QVERIFY(view->btnCopyText->isEnabled());
    QCOMPARE(desktop.SearchText, Cp874("บทสวด"));
    view->hide();
    view->show();
    QCOMPARE(view->reBody->SelStart(), 0);
    QCOMPARE(view->reBody->SelLength(), 0);
    QCOMPARE(view->reBody->FirstVisibleRow(), 0);
    QVERIFY(!view->btnCopyText->isEnabled());
    // The status bar holds the open-books button.
    QCOMPARE(view->btnBookSwitch->parentWidget(), static_cast<QWidget*>(view->stbar));
    QCOMPARE(view->btnBookSwitch->geometry(), QRect(3, 3, 46, 26));
    desktop.WindowList.Append(view->DocumentKey, view);
    view->btnClose->click();
    QVERIFY(desktop.WindowList.Empty());
    QCOMPARE(desktop.returns, 1);
  }
};

int RunOtherBooksTest(int argc, char** argv) {
  OtherBooksTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "otherbooks_test.moc"
