// The text view: byte positions across CR LF, rows, notifications, gutter and caret.
#include <QFontMetrics>
#include <QSignalSpy>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include "bytelinemap.h"
#include "cp874.h"
#include "hint.h"
#include "myrichedit.h"

using namespace lomarin;

namespace {

std::string Cp874(const char* utf8) {
  std::string bytes;
  Utf8ToCp874(utf8, bytes);
  return bytes;
}

std::string ManyLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += Cp874("บรรทัดที่ ") + std::to_string(i) + "\r\n";
  return text;
}

}  // namespace

class UiTest : public QObject {
  Q_OBJECT

 private slots:
  void byteLineMap_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<int>>("starts");
    QTest::addColumn<QList<int>>("lengths");
    QTest::newRow("empty") << QByteArray() << QList<int>{} << QList<int>{};
    QTest::newRow("one line, no end") << QByteArray("abc") << QList<int>{0} << QList<int>{3};
    QTest::newRow("final CR LF opens no line") << QByteArray("ab\r\ncd\r\n") << QList<int>{0, 4} << QList<int>{2, 2};
    QTest::newRow("empty lines") << QByteArray("\r\n\r\nx") << QList<int>{0, 2, 4} << QList<int>{0, 0, 1};
    QTest::newRow("lone CR and LF stay inside") << QByteArray("a\rb\nc\r\nd") << QList<int>{0, 7} << QList<int>{5, 1};
  }
  void byteLineMap() {
    QFETCH(QByteArray, text);
    QFETCH(QList<int>, starts);
    QFETCH(QList<int>, lengths);
    const ByteLineMap map(std::string_view(text.constData(), static_cast<size_t>(text.size())));
    QCOMPARE(map.LineCount(), starts.size());
    for (int row = 0; row < starts.size(); ++row) {
      QCOMPARE(map.RowStartByte(row), starts[row]);
      QCOMPARE(map.RowLength(row), lengths[row]);
      QCOMPARE(map.RowOfByte(starts[row]), row);
      // Inside a line, byte and document position differ by the line number.
      for (int column = 0; column <= lengths[row]; ++column) {
        QCOMPARE(map.DocPosOfByte(starts[row] + column), starts[row] + column - row);
        QCOMPARE(map.ByteOfDocPos(starts[row] + column - row), starts[row] + column);
      }
    }
    QCOMPARE(map.RowStartByte(static_cast<int>(starts.size())), static_cast<int>(text.size()));
  }

  void lineEndBytesMapToTheEndOfTheirLine() {
    const ByteLineMap map("ab\r\ncd");
    QCOMPARE(map.DocPosOfByte(2), 2);  // CR
    QCOMPARE(map.DocPosOfByte(3), 2);  // LF
    QCOMPARE(map.RowOfByte(3), 0);
    QCOMPARE(map.DocPosOfByte(4), 3);
    QCOMPARE(map.DocPosOfByte(99), 5);  // past the text: its end
    QCOMPARE(map.ByteOfDocPos(99), 6);
  }

  void viewSelectsAndReadsBytesAcrossCrLf() {
    TMyRichEdit view;
    const std::string line0 = Cp874("พระพุทธเจ้า");  // combining vowels and tone marks
    const std::string line1 = Cp874("ทรงแสดงธรรม");
    view.ReplaceText(line0 + "\r\n" + line1 + "\r\n" + "x\ry\r\n");
    QCOMPARE(view.LineCount(), 3);
    QCOMPARE(view.document()->blockCount(), 3);  // the lone CR does not split its row
    QCOMPARE(view.document()->findBlockByNumber(0).text(), QString::fromUtf8("พระพุทธเจ้า"));
    QCOMPARE(view.LineText(1), line1);
    const int start = 3;
    const int length = static_cast<int>(line0.size()) - 3 + 2 + 4;
    view.SelectBytes(start, length);
    QCOMPARE(view.SelStart(), start);
    QCOMPARE(view.SelLength(), length);
    QCOMPARE(view.SelectedBytes(), line0.substr(3) + "\r\n" + line1.substr(0, 4));
    QCOMPARE(view.textCursor().selectedText(), QString::fromUtf8("พุทธเจ้า\u2029ทรงแ"));
    const int row2 = view.RowStartByte(2);
    QCOMPARE(row2, static_cast<int>(line0.size() + line1.size() + 4));
    QCOMPARE(view.RowOfByte(row2 + 2), 2);
  }

  void formatsByteRanges() {
    TMyRichEdit view;
    view.ReplaceText("aaaa\r\nbbbb\r\ncccc");
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    view.FormatBytes({{7, 2}, {12, 1}}, bold);  // "bb" in row 1, "c" in row 2
    const auto boldAt = [&](int docPos) {
      QTextCursor cursor(view.document());
      cursor.setPosition(docPos + 1);  // the format of the character before the cursor
      return cursor.charFormat().fontWeight() == QFont::Bold;
    };
    QVERIFY(!boldAt(5));
    QVERIFY(boldAt(6) && boldAt(7));
    QVERIFY(!boldAt(8));
    QVERIFY(boldAt(10));
    QVERIFY(!boldAt(11));
  }

  void scrollsAndNotifies() {
    TMyRichEdit view;
    view.SetShowGutter(false);
    view.ReplaceText(ManyLines(500));
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QSignalSpy vscroll(&view, &TMyRichEdit::OnVScroll);
    QSignalSpy hscroll(&view, &TMyRichEdit::OnHScroll);
    view.ScrollToRow(120);
    QCOMPARE(view.FirstVisibleRow(), 120);
    QTRY_VERIFY(vscroll.count() > 0);  // the repaint after the scroll
    QCOMPARE(hscroll.count(), vscroll.count());
    QCOMPARE(view.FirstRow(), 120);
    QVERIFY(view.LastRow() > 120);
    vscroll.clear();
    view.ScrollToRow(120);
    QCOMPARE(view.FirstVisibleRow(), 120);
    // A scroll-bar action notifies before it moves the view, and the repaint again after.
    int rowSeen = -1;
    connect(&view, &TMyRichEdit::OnVScroll, &view, [&] {
      if (rowSeen < 0) rowSeen = view.FirstRow();
    });
    view.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(rowSeen, 120);
    QTRY_COMPARE(view.FirstRow(), 121);
    // Keys notify too.
    vscroll.clear();
    QTest::keyClick(&view, Qt::Key_Down);
    QVERIFY(vscroll.count() >= 2);  // key down and key up
  }

  void gutterWidthAndLabels() {
    QFont font;
    font.setBold(true);
    const QFontMetrics bold(font);
    QCOMPARE(TMyRichEdit::GutterWidth(0, bold),
             std::max(48, bold.horizontalAdvance(QStringLiteral("0")) + bold.horizontalAdvance(QStringLiteral("00"))));
    QFont big;
    big.setPixelSize(40);
    big.setBold(true);
    const QFontMetrics wide(big);
    QCOMPARE(TMyRichEdit::GutterWidth(12345, wide),
             wide.horizontalAdvance(QStringLiteral("12345")) + wide.horizontalAdvance(QStringLiteral("00")));
    QCOMPARE(TMyRichEdit::RowLabel(9, true), QString::fromUtf8("๑๐"));
    QCOMPARE(TMyRichEdit::RowLabel(6, true), QString::fromUtf8("๗"));
    QCOMPARE(TMyRichEdit::RowLabel(6, false), QStringLiteral("7"));
  }

  void gutterPaintsAndCanBeSwitchedOff() {
    TMyRichEdit view;
    view.SetGutterColor(Qt::red);
    view.ReplaceText(ManyLines(30));
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QTRY_VERIFY(view.viewport()->geometry().left() >= view.contentsRect().left() + 48 + 20);
    QCOMPARE(view.grab().toImage().pixelColor(view.contentsRect().left() + 1, 10), QColor(Qt::red));
    view.SetShowGutter(false);
    QVERIFY(!view.ShowLineNumber());
    QCOMPARE(view.viewport()->geometry().left(), view.contentsRect().left());
  }

  void caretHidesOnlyWithTheFocus() {
    TMyRichEdit view;
    view.SetCaretStatus(TMyRichEdit::TCaretStatus::csHide);
    QCOMPARE(view.CaretStatus(), TMyRichEdit::TCaretStatus::csShow);
  }

  void hintsSplitAtTheFirstBar() {
    QCOMPARE(LongHint(QStringLiteral("short|long|more")), QStringLiteral("long|more"));
    QCOMPARE(LongHint(QStringLiteral("whole")), QStringLiteral("whole"));
    QCOMPARE(LongHint(QString()), QString());
  }
};

int RunUiTest(int argc, char** argv) {
  UiTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ui_test.moc"
