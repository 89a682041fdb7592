// The desktop's requests for the other books: each kind opened, requested again (one
// view) and closed; the Visuddhimagga opening at its first entry; the encyclopedia moving
// to another headword; the chant books' keys, a missing archive and a missing member; the
// function keys on these views.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "desktoplayout.h"
#include "fixturelibrary.h"
#include "lomarinapplication.h"
#include "myrichedit.h"
#include "otherbooksfixture.h"
#include "rgnbtn.h"
#include "tempdir.h"
#include "tfrmbodyhcnt.h"
#include "tfrmbodyhncnt.h"
#include "tfrmcontent.h"
#include "testdesktop.h"
#include "tfrmmain.h"
#include "tfrmsara.h"
#include "tstatusbar.h"

using namespace lomarin;
using lomarin::testing::Cp874;

namespace {

void Request(TfrmMain& desktop, int32_t code, int32_t arg = -1) {
  desktop.RequestCode = code;
  desktop.RequestArg = arg;
  desktop.ProcessDocumentRequest();
}

template <typename View>
View* ViewOf(TfrmMain& desktop, const std::string& key) {
  const int index = desktop.WindowList.IndexOf(key);
  return index < 0 ? nullptr : qobject_cast<View*>(desktop.WindowList.At(index).view);
}

// Runs `press` and answers how many modal dialogs it opened; each one is handed to
// `answer` (which closes it) as soon as it shows.
int ModalDialogsOf(const std::function<void()>& press,
                   const std::function<void(QWidget*)>& answer = [](QWidget* dialog) { dialog->close(); }) {
  int dialogs = 0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      ++dialogs;
      answer(dialog);
    }
  });
  poll.start(5);
  press();
  QTest::qWait(30);
  return dialogs;
}

}  // namespace

class OtherBooksAppTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;
  QStringList m_errors;

  std::unique_ptr<TfrmMain> NewDesktop() { return lomarin::testing::NewTestDesktop(m_dir.Folder()); }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    lomarin::testing::WriteFixtureLibrary(m_dir.Folder());
    lomarin::testing::WriteOtherBooks(m_dir.Folder());
    LomarinApplication::SetErrorReport([this](const QString& text) { m_errors << text; });
  }

  void init() { m_errors.clear(); }

  void milindaOpensOnceAtTheRequestedEntry() {
    auto desktop = NewDesktop();
    desktop->SearchText = "query";
    Request(*desktop, 0x020000);
    const std::string key = Cp874("มิลินทปัญหา");
    auto* view = ViewOf<TfrmBodyHCNT>(*desktop, key);
    QVERIFY(view != nullptr);
    QCOMPARE(view->DocumentKey, key);
    QCOMPARE(view->DocumentCode, 0x020000);
    QCOMPARE(view->geometry(), QRect(45, 110, 934, 588));
    QCOMPARE(view->lbBookName->text(), QStringLiteral("มิลินทปัญหา"));
    QVERIFY(view->stNum->isHidden() && view->btnT_ASwitch->isHidden());
    QCOMPARE(view->stbar->PanelAt(2).width, 0);
    QVERIFY(view->stPage->toolTip().isEmpty());
    QCOMPARE(view->reBody->FirstVisibleRow(), 0);
    QCOMPARE(view->stPage->text(), QStringLiteral("๑"));
    QVERIFY(desktop->SearchText.empty());
    Request(*desktop, 0x020000, 2);  // entry 2: line 60, page 3
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(desktop->CurrentIndex, 0);
    QCOMPARE(view->reBody->FirstVisibleRow(), 60);
    QCOMPARE(view->reBody->SelStart(), view->reBody->RowStartByte(60));
    QTRY_COMPARE(view->stPage->text(), QStringLiteral("๓"));
    view->btnClose->click();
    QVERIFY(desktop->WindowList.Empty());
  }

  void visuddhiPartOpensAtItsFirstEntryWithItsRunningHead() {
    auto desktop = NewDesktop();
    Request(*desktop, 0x030002);
    const std::string key = "196610|" + Cp874("วิสุทธิมรรค : สมาธิ ๑");
    auto* view = ViewOf<TfrmBodyHCNT>(*desktop, key);
    QVERIFY(view != nullptr);
    QCOMPARE(view->lbBookName->text(), QStringLiteral("วิสุทธิมรรค : สมาธิ ๑"));
    QCOMPARE(view->reBody->FirstVisibleRow(), 5);
    QTRY_COMPARE(view->stbar->PanelAt(2).text, QStringLiteral("หัวเรื่อง ๑"));
    QCOMPARE(view->stbar->PanelAt(2).width, 400);
    QVERIFY(view->stNum->isHidden() && view->btnT_ASwitch->isHidden());
    Request(*desktop, 0x030002, 2);  // entry 2: line 40, page 3
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(view->reBody->FirstVisibleRow(), 40);
    QTRY_COMPARE(view->stPage->text(), QStringLiteral("๓"));
    QCOMPARE(view->stbar->PanelAt(2).text, QStringLiteral("หัวเรื่อง ๓"));
    Request(*desktop, 0x030000);  // another part: its own view, listed before part 2
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(desktop->WindowList.At(0).key, "196608|" + Cp874("วิสุทธิมรรค : ศีล ๑"));
    QCOMPARE(desktop->CurrentIndex, 0);
    view->btnClose->click();
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(desktop->WindowList.IndexOf(key), -1);
  }

  void encyclopediaIsOneViewThatMovesToTheRequestedHeadword() {
    auto desktop = NewDesktop();
    Request(*desktop, 0x040007);
    const std::string key = Cp874("สารานุกรมพระไตรปิฎก");
    QPointer<TfrmSara> view = ViewOf<TfrmSara>(*desktop, key);
    QVERIFY(view);
    QCOMPARE(view->geometry(), QRect(45, 110, 934, 588));
    QCOMPARE(view->lsbWord->currentRow(), 7);
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(7));
    Request(*desktop, 0);  // a Tipitaka volume in front of it
    Request(*desktop, 0x040003);
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(ViewOf<TfrmSara>(*desktop, key), view.data());
    QCOMPARE(desktop->CurrentIndex, desktop->WindowList.IndexOf(key));
    QCOMPARE(desktop->children().last(), view.data());  // in front
    QCOMPARE(view->lsbWord->currentRow(), 3);
    QCOMPARE(view->reBody->Text(), lomarin::testing::ArticleText(3));
    view->btnClose->click();
    QCOMPARE(desktop->WindowList.Count(), 1);
    QTRY_VERIFY(view.isNull());
  }

  void chantBookRegistersItsKeyOnce() {
    auto desktop = NewDesktop();
    Request(*desktop, 0x050002);
    const std::string key = "327682|" + Cp874("บทสวด : ปาฏิโมกข์");
    auto* view = ViewOf<TfrmBodyHNCNT>(*desktop, key);
    QVERIFY(view != nullptr);
    QCOMPARE(view->DocumentKey, key);
    QCOMPARE(view->geometry(), QRect(45, 110, 934, 588));
    QCOMPARE(view->reBody->LineCount(), lomarin::testing::kChantLines);
    QCOMPARE(view->lbBookName->text(), QStringLiteral("บทสวด : ปาฏิโมกข์"));
    Request(*desktop, 0x050002);
    QCOMPARE(desktop->WindowList.Count(), 1);
    Request(*desktop, 0x050000);
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(desktop->WindowList.At(0).key, "327680|" + Cp874("บทสวด : ๑๒ ตำนาน"));
    view->btnClose->click();
    QCOMPARE(desktop->WindowList.Count(), 1);
  }

  void missingChantArchiveEndsTheRequestWithTheFileError() {
    auto desktop = NewDesktop();
    desktop->SearchText = "kept";
    desktop->RequestCode = 0x050001;
    desktop->RequestArg = -1;
    QTimer::singleShot(0, desktop.get(), [&] { desktop->ProcessDocumentRequest(); });
    QTRY_COMPARE(m_errors.size(), 1);
    QCOMPARE(m_errors[0], QString::fromStdString("Cannot open file " + m_dir.Folder() + "others/pariwad.pak"));
    QVERIFY(desktop->WindowList.Empty());
    QVERIFY(desktop->findChildren<TfrmBodyHNCNT*>().isEmpty());
    QVERIFY(desktop->imgMainPage->isHidden());
    QCOMPARE(desktop->SearchText, std::string("kept"));
  }

  void missingMemberOpensAnEmptyView() {
    auto desktop = NewDesktop();
    Request(*desktop, 0x050003);
    auto* view = ViewOf<TfrmBodyHNCNT>(*desktop, "327683|" + Cp874("บทสวด : วิธีอุปสมบทแบบเดิม"));
    QVERIFY(view != nullptr);
    QCOMPARE(view->reBody->LineCount(), 0);
    QVERIFY(view->isVisible());
  }

  void codesNoCallerProducesOpenNothing() {
    auto desktop = NewDesktop();
    for (int32_t code : {0x030006, 0x05FFFF, 0x050004}) Request(*desktop, code);
    QVERIFY(desktop->WindowList.Empty());
    QVERIFY(desktop->imgMainPage->isHidden());
    QCOMPARE(desktop->CurrentIndex, -1);
  }

  void contentsDialogMovesTheMilindapanha() {
    auto desktop = NewDesktop();
    Request(*desktop, 0x020000);
    auto* view = ViewOf<TfrmBodyHCNT>(*desktop, Cp874("มิลินทปัญหา"));
    QString heading;
    const int dialogs = ModalDialogsOf([&] { desktop->FormKeyDown(Qt::Key_F3); },
                                       [&](QWidget* dialog) {
                                         auto* contents = qobject_cast<TfrmContent*>(dialog);
                                         heading = contents->Label1->text();
                                         contents->ListBox1->setCurrentRow(1);
                                         contents->btnOpen->Click();
                                       });
    QCOMPARE(dialogs, 1);
    QCOMPARE(heading, QStringLiteral("สารบัญ มิลินทปัญหา"));
    QCOMPARE(view->reBody->FirstVisibleRow(), 30);
    QTRY_COMPARE(view->stPage->text(), QStringLiteral("๒"));
  }

  void functionKeysOnTheEncyclopediaAndAChantBook() {
    auto desktop = NewDesktop();
    Request(*desktop, 0x040000);
    Request(*desktop, 0x050000);
    for (const std::string& key : {Cp874("สารานุกรมพระไตรปิฎก"), "327680|" + Cp874("บทสวด : ๑๒ ตำนาน")}) {
      desktop->CurrentIndex = desktop->WindowList.IndexOf(key);
      QCOMPARE(ModalDialogsOf([&] { desktop->FormKeyDown(Qt::Key_F3); }), 0);
      QCOMPARE(ModalDialogsOf([&] { desktop->FormKeyDown(Qt::Key_F5); }), 0);
      QCOMPARE(ModalDialogsOf([&] { desktop->FormKeyDown(Qt::Key_F7); }), 1);  // the open-books switcher
      const int before = desktop->WindowList.Count();
      desktop->FormKeyDown(Qt::Key_F10);
      QCOMPARE(desktop->WindowList.Count(), before - 1);
      QCOMPARE(desktop->WindowList.IndexOf(key), -1);
    }
  }
};

int RunOtherBooksAppTest(int argc, char** argv) {
  OtherBooksAppTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "otherbooks_app_test.moc"
