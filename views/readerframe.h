// The pieces the reader windows share: the form's colour and font, the flat buttons, the
// brown book title, the panel of function buttons at the right of the title bar, the
// colours of the book text, the open-books button in the status bar, and the close that
// hands the window back to the desktop, and the open-books switcher they all run.
#pragma once

#include <QIcon>
#include <QString>
#include <functional>
#include <initializer_list>
#include <string_view>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace lomarin {

class Desktop;
class DocumentView;
class TMyRichEdit;
class TStatusBar;

// Colour RGB(249, 233, 193), font "AngsanaUPC" 27 pixels, frees itself when closed.
void SetUpReaderForm(QWidget* form);

// A flat button with a glyph and a hint.
QToolButton* NewFlatButton(QWidget* parent, const QString& objectName, const QIcon& icon, const QString& hint);

// The book title: yellow bold "EucrosiaUPC" 21 pixels on brown.
QLabel* NewBookTitle(QWidget* parent, const QString& objectName);

// A panel `width` wide holding `buttons` side by side, each taking an equal share.
QWidget* NewFunctionPanel(QWidget* parent, int width, std::initializer_list<QToolButton*> buttons);

// The status bar of the plain readers: 30 high, one panel 150 wide.
TStatusBar* NewPlainStatusBar(QWidget* parent);

// The book text: read-only, no gutter, light paper colour, the selection kept visible
// while the window has not the focus; `alwaysScrollBars` keeps both scroll bars shown.
void StyleBookText(TMyRichEdit* text, bool alwaysScrollBars);

// The title bar of the text readers, 47 high: the book title, then a function panel
// `panelWidth` wide holding the copy button (disabled until text is selected), the print
// button and the close button.
struct ReaderTitleBar {
  QWidget* panel;
  QLabel* title;
  QWidget* functions;
  QToolButton* copy;
  QToolButton* print;
  QToolButton* close;
};
ReaderTitleBar NewReaderTitleBar(QWidget* form, int panelWidth);

// A reader's parts stacked with no margins: the title bar, the body taking the room left,
// the status bar.
void StackReaderParts(QWidget* form, QWidget* titleBar, QWidget* body, QWidget* statusBar);

// The items a reader's text popup ends with: "คัดลอกข้อความ", "พิมพ์ข้อความที่เลือกไว้", a
// separator, "เลือกทั้งหมด".
struct TextPopupItems {
  QAction* copy;
  QAction* printSelection;
  QAction* selectAll;
};
TextPopupItems AddTextPopupItems(QMenu* menu);

// The popup of a reader's text: a right click runs `beforePopup` (which sets the items'
// states), then shows `menu` where the click was.
void AttachTextPopup(TMyRichEdit* text, QMenu* menu, std::function<void()> beforePopup);

// `btnBookSwitch` moved into the status bar at (3, 3), the bar's height − 4 high and 20
// wider than high.
void PlaceBookSwitchButton(QToolButton* button, const TStatusBar* bar);

// The open-books switcher, owned by `owner` and filled from the window list with the
// line of CurrentIndex selected; once it has closed, the view at CurrentIndex comes to
// the front.
void ShowOpenBooks(Desktop& desktop, QWidget* owner);

// The close of every view: the desktop's ReturnIndex := the view's PartnerIndex and
// ViewClosed := true; the view's pair (found by `key`) leaves the window list; the
// desktop brings another view forward; SearchText is cleared; the view closes.
void CloseDocumentView(Desktop& desktop, DocumentView& view, std::string_view key);

}  // namespace lomarin
