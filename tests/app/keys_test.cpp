// The desktop's keyboard commands and the dialogs they reach: the catalogue request,
// the contents dialog moving the reader, the open-books switcher tiling two views, and
// closing one of a tiled pair; every command that needs a current document does nothing
// without one.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "desktoplayout.h"
#include "fixturelibrary.h"
#include "myrichedit.h"
#include "rgnbtn.h"
#include "tempdir.h"
#include "tfrmbodyhcnt.h"
#include "tfrmbookswitch.h"
#include "tfrmcntbook.h"
#include "tfrmcontent.h"
#include "testdesktop.h"
#include "tfrmmain.h"

using namespace lomarin;

namespace {

// Handles every modal dialog that comes up while it lives, with the one handler given.
class ModalDriver {
 public:
  explicit ModalDriver(std::function<void(QWidget*)> handle) : m_handle(std::move(handle)) {
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != m_handled) {
        m_handled = modal;
        ++shown;
        m_handle(modal);
      }
    });
    m_timer.start(10);
  }
  int shown = 0;

 private:
  std::function<void(QWidget*)> m_handle;
  QTimer m_timer;
  QPointer<QWidget> m_handled;
};

void ClickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

TfrmBodyHCNT* ViewAt(TfrmMain& desktop, int index) {
  return qobject_cast<TfrmBodyHCNT*>(desktop.WindowList.At(index).view);
}

}  // namespace

class KeysTest : public QObject {
  Q_OBJECT

 private:
  lomarin::testing::TempDir m_dir;

  std::unique_ptr<TfrmMain> NewDesktop() {
    auto desktop = lomarin::testing::NewTestDesktop(m_dir.Folder());
    desktop->activateWindow();
    return desktop;
  }

  void Open(TfrmMain& desktop, int32_t code) {
    desktop.RequestCode = code;
    desktop.RequestArg = -1;
    desktop.ProcessDocumentRequest();
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    lomarin::testing::WriteFixtureLibrary(m_dir.Folder());
  }

  void documentKeysWithoutADocumentDoNothing() {
    auto desktop = NewDesktop();
    ModalDriver driver([](QWidget* modal) { modal->close(); });
    for (int key : {Qt::Key_F3, Qt::Key_F7, Qt::Key_F10, Qt::Key_F4, Qt::Key_F9}) desktop->FormKeyDown(key);
    QTest::qWait(30);
    QCOMPARE(driver.shown, 0);
    QVERIFY(desktop->WindowList.Empty());
  }

  void f12AnsweredNoLeavesEverything() {
    auto desktop = NewDesktop();
    Open(*desktop, 0);
    QString question;
    ModalDriver driver([&question](QWidget* box) {
      question = box->findChild<QLabel*>(QStringLiteral("lbText"))->text();
      box->findChild<TRGNBtn*>(QStringLiteral("btnCancel"))->Click();
    });
    desktop->FormKeyDown(Qt::Key_F12);
    QCOMPARE(question, QStringLiteral("ต้องการออกจากโปรแกรมหรือไม่?"));
    QVERIFY(!desktop->CloseConfirmed);
    QVERIFY(desktop->isVisible());
    QCOMPARE(desktop->WindowList.Count(), 1);
  }

  void f2OpensTheCatalogueAndItsChoice() {
    auto desktop = NewDesktop();
    desktop->SearchText = "query";
    ModalDriver driver([](QWidget* modal) {
      auto* catalogue = qobject_cast<TfrmCntBook*>(modal);
      QTest::mouseClick(catalogue->btnTripiList, Qt::LeftButton);
      ClickRow(catalogue->lsbBookIndex, 2);
      catalogue->btnContent->Click();
      ClickRow(catalogue->lsbBookIndex, 1);
      catalogue->btnOpenBook->Click();
    });
    desktop->FormKeyDown(Qt::Key_F2);
    QCOMPARE(driver.shown, 1);
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(ViewAt(*desktop, 0)->DocumentCode, 2);
    QCOMPARE(ViewAt(*desktop, 0)->reBody->FirstVisibleRow(), 20);
    QCOMPARE(desktop->CurrentIndex, 0);
    QVERIFY(desktop->SearchText.empty());
  }

  void catalogueClosedWithoutAChoiceOpensNothing() {
    auto desktop = NewDesktop();
    Open(*desktop, 0);
    desktop->SearchText = "kept";
    desktop->CurrentIndex = 0;
    ModalDriver driver([](QWidget* modal) { qobject_cast<TfrmCntBook*>(modal)->btnClose->Click(); });
    desktop->FormKeyDown(Qt::Key_F2);
    QCOMPARE(driver.shown, 1);
    QCOMPARE(desktop->WindowList.Count(), 1);
    QCOMPARE(desktop->SearchText, std::string("kept"));
    QCOMPARE(desktop->RequestCode, 0x100000);
  }

  void f3MovesTheReaderToTheChosenEntryOrLeavesIt() {
    auto desktop = NewDesktop();
    Open(*desktop, 0);
    TfrmBodyHCNT* reader = ViewAt(*desktop, 0);
    QString heading;
    {
      ModalDriver driver([&heading](QWidget* modal) {
        auto* contents = qobject_cast<TfrmContent*>(modal);
        heading = contents->Label1->text();
        ClickRow(contents->ListBox1, 2);
        QTest::keyClick(contents->ListBox1, Qt::Key_Return);
      });
      desktop->FormKeyDown(Qt::Key_F3);
      QCOMPARE(driver.shown, 1);
    }
    QCOMPARE(heading, QStringLiteral("สารบัญ ไตรปิฎก เล่ม ๑"));
    QCOMPARE(reader->ContentsChoice, 2);
    QCOMPARE(reader->reBody->FirstVisibleRow(), 40);
    QCOMPARE(reader->reBody->SelStart(), reader->reBody->RowStartByte(40));
    {
      ModalDriver driver([](QWidget* modal) {
        auto* contents = qobject_cast<TfrmContent*>(modal);
        ClickRow(contents->ListBox1, 0);
        QTest::keyClick(contents->ListBox1, Qt::Key_Escape);
      });
      reader->btnContentOpen->click();
      QCOMPARE(driver.shown, 1);
    }
    QCOMPARE(reader->ContentsChoice, -1);
    QCOMPARE(reader->reBody->FirstVisibleRow(), 40);
  }

  void tiledPairAndClosingOneOfIt() {
    auto desktop = NewDesktop();
    Open(*desktop, 0);
    Open(*desktop, 2);
    Open(*desktop, 10);  // list: 10, 0, 2
    QPointer<TfrmBodyHCNT> upper = ViewAt(*desktop, 0);
    QPointer<TfrmBodyHCNT> middle = ViewAt(*desktop, 1);
    QPointer<TfrmBodyHCNT> lower = ViewAt(*desktop, 2);
    {
      ModalDriver driver([](QWidget* modal) {
        auto* switcher = qobject_cast<TfrmBookSwitch*>(modal);
        switcher->cklBookList->item(0)->setCheckState(Qt::Checked);
        switcher->cklBookList->item(2)->setCheckState(Qt::Checked);
        switcher->btnOpen->Click();
      });
      desktop->FormKeyDown(Qt::Key_F7);
      QCOMPARE(driver.shown, 1);
    }
    QCOMPARE(upper->geometry(), QRect(45, 110, 934, 294));
    QCOMPARE(lower->geometry(), QRect(45, 404, 934, 294));
    QCOMPARE(upper->PartnerIndex, 2);
    QCOMPARE(lower->PartnerIndex, 0);
    QCOMPARE(desktop->CurrentIndex, 0);

    // F10 reaches the desktop from the reader's focused text and closes the current
    // (upper) view; its partner comes back at full height.
    desktop->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(desktop.get()));
    upper->reBody->setFocus();
    QTest::keyClick(upper->reBody, Qt::Key_F10);
    QTRY_VERIFY(upper.isNull());
    QCOMPARE(desktop->WindowList.Count(), 2);
    QCOMPARE(desktop->WindowList.At(desktop->CurrentIndex).view, lower.data());
    QCOMPARE(lower->geometry(), QRect(45, 110, 934, 588));
    QCOMPARE(lower->PartnerIndex, -1);
    QCOMPARE(middle->geometry(), QRect(45, 110, 934, 588));
  }
};

int RunKeysTest(int argc, char** argv) {
  KeysTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "keys_test.moc"
