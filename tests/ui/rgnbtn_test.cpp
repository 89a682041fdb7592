// The region button: its state colours and caption colour, the accelerator, the mouse,
// space, Enter and Esc rules, the disabled look, and resizing to a picture.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "rgnbtn.h"

using namespace lomarin;

namespace {

// A window with a line edit and two region buttons of the common palette; `cancel`
// answers Esc.
struct Form {
  QWidget window;
  QLineEdit* edit = new QLineEdit(&window);
  TRGNBtn* ok = new TRGNBtn(&window);
  TRGNBtn* cancel = new TRGNBtn(&window);

  Form() {
    window.resize(300, 120);
    edit->setGeometry(10, 10, 100, 24);
    for (TRGNBtn* b : {ok, cancel}) b->UseCommonPalette();
    ok->setGeometry(10, 50, 100, 32);
    ok->SetCaption(QStringLiteral("&OK"));
    cancel->setGeometry(150, 50, 100, 32);
    cancel->SetCaption(QStringLiteral("Cancel"));
    cancel->SetCancel(true);
    window.show();
    window.activateWindow();
  }
};

QColor CentreColour(TRGNBtn* button) {
  const QImage image = button->grab().toImage();
  return image.pixelColor(image.width() / 2, 3);
}

}  // namespace

class RgnBtnTest : public QObject {
  Q_OBJECT

 private slots:
  void captionParts_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("accelerator");
    QTest::newRow("none") << "เปิด" << "เปิด" << -1;
    QTest::newRow("first character") << "&Open" << "Open" << 0;
    QTest::newRow("the last ampersand wins") << "A&B&C" << "ABC" << 2;
    QTest::newRow("a final ampersand marks nothing") << "Open&" << "Open" << -1;
  }
  void captionParts() {
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, accelerator);
    const TRGNBtn::CaptionParts parts = TRGNBtn::SplitCaption(caption);
    QCOMPARE(parts.text, text);
    QCOMPARE(parts.accelerator, accelerator);
  }

  void captionColourIsTheStateColourXor128() {
    QCOMPARE(TRGNBtn::CaptionColor(QColor(249, 233, 193)), QColor(121, 105, 65));
    QCOMPARE(TRGNBtn::CaptionColor(QColor(128, 255, 128)), QColor(0, 127, 0));
  }

  void pressDragOutAndBackIn() {
    Form form;
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QSignalSpy clicks(form.ok, &TRGNBtn::OnClick);
    const QPoint inside(50, 16);
    const QPoint outside(50, 80);
    QTest::mouseMove(form.ok, inside);
    QCOMPARE(form.ok->StateColor(), QColor::fromRgb(TRGNBtn::kCommonMouseOverColor));
    QTest::mousePress(form.ok, Qt::LeftButton, {}, inside);
    QVERIFY(form.ok->HasFocus());
    QCOMPARE(form.ok->StateColor(), QColor::fromRgb(TRGNBtn::kCommonMouseDownColor));
    QTest::mouseMove(form.ok, outside);
    QCOMPARE(form.ok->StateColor(), QColor::fromRgb(TRGNBtn::kCommonFocusedColor));
    QTest::mouseMove(form.ok, inside);
    QCOMPARE(form.ok->StateColor(), QColor::fromRgb(TRGNBtn::kCommonMouseDownColor));
    QTest::mouseRelease(form.ok, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!form.ok->Pressed());

    // Released outside: no click.
    QTest::mousePress(form.ok, Qt::LeftButton, {}, inside);
    QTest::mouseMove(form.ok, outside);
    QTest::mouseRelease(form.ok, Qt::LeftButton, {}, outside);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(form.ok->StateColor(), QColor::fromRgb(TRGNBtn::kCommonFocusedColor));

    // A double click (press, release, press, double click, release) is one click.
    QTest::mouseMove(form.ok, inside);
    QTest::mouseClick(form.ok, Qt::LeftButton, {}, inside);
    QTest::mousePress(form.ok, Qt::LeftButton, {}, inside);
    QTest::mouseDClick(form.ok, Qt::LeftButton, {}, inside);
    QCOMPARE(form.ok->StateColor(), QColor::fromRgb(TRGNBtn::kCommonMouseDownColor));
    QTest::mouseRelease(form.ok, Qt::LeftButton, {}, inside);
    QCOMPARE(clicks.count(), 2);
  }

  void keysThatClick() {
    Form form;
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QSignalSpy okClicks(form.ok, &TRGNBtn::OnClick);
    QSignalSpy cancelClicks(form.cancel, &TRGNBtn::OnClick);

    form.ok->setFocus();
    QTest::keyPress(form.ok, Qt::Key_Space);
    QVERIFY(form.ok->Pressed() && form.ok->PressedInside());
    QCOMPARE(okClicks.count(), 0);
    QTest::keyRelease(form.ok, Qt::Key_Space);
    QCOMPARE(okClicks.count(), 1);

    QTest::keyClick(form.ok, Qt::Key_Return);
    QCOMPARE(okClicks.count(), 2);
    QTest::keyClick(form.ok, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(okClicks.count(), 2);

    // Enter clicks only the focused button; Esc the cancel button from anywhere.
    form.edit->setFocus();
    QTest::keyClick(form.edit, Qt::Key_Return);
    QTest::keyClick(form.edit, Qt::Key_Escape);
    QCOMPARE(okClicks.count(), 2);
    QCOMPARE(cancelClicks.count(), 1);

    // Alt and the accelerator, from another control.
    QTest::keyClick(form.edit, Qt::Key_O, Qt::AltModifier);
    QCOMPARE(okClicks.count(), 3);
  }

  void disabledButtonDrawsGreyAndNeverClicks() {
    Form form;
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QSignalSpy okClicks(form.ok, &TRGNBtn::OnClick);
    QSignalSpy cancelClicks(form.cancel, &TRGNBtn::OnClick);
    form.ok->setEnabled(false);
    form.cancel->setEnabled(false);
    form.edit->setFocus();
    QTest::mouseMove(form.ok, QPoint(50, 16));
    QTest::mouseClick(form.ok, Qt::LeftButton, {}, QPoint(50, 16));
    QTest::keyClick(form.edit, Qt::Key_O, Qt::AltModifier);
    QTest::keyClick(form.edit, Qt::Key_Escape);
    form.ok->Click();
    QCOMPARE(okClicks.count(), 0);
    QCOMPARE(cancelClicks.count(), 0);
    QCOMPARE(CentreColour(form.ok), QColor(100, 100, 100));
  }

  void paintsTheStateColour() {
    Form form;
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    QEvent leave(QEvent::Leave);  // the mouse is elsewhere
    QCoreApplication::sendEvent(form.ok, &leave);
    form.edit->setFocus();
    QCOMPARE(CentreColour(form.ok), QColor(249, 233, 193));
    form.ok->setFocus();
    QCOMPARE(CentreColour(form.ok), QColor(128, 255, 128));
  }

  void focusOnAnotherRegionButtonReleasesThePress() {
    Form form;
    QVERIFY(QTest::qWaitForWindowActive(&form.window));
    form.ok->setFocus();
    QTest::keyPress(form.ok, Qt::Key_Space);
    QVERIFY(form.ok->Pressed());
    form.cancel->setFocus();
    QVERIFY(!form.ok->Pressed());
    QVERIFY(!form.ok->PressedInside());
  }

  void resizesToItsPicture() {
    Form form;
    QPixmap picture(40, 20);
    picture.fill(Qt::red);
    form.ok->SetPicDefault(picture);
    QTRY_COMPARE(form.ok->size(), QSize(40, 20));
    QCOMPARE(form.ok->grab().toImage().pixelColor(20, 10), QColor(Qt::red));
  }
};

int RunRgnBtnTest(int argc, char** argv) {
  RgnBtnTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "rgnbtn_test.moc"
