#include "readerframe.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

#include "desktop.h"
#include "documentview.h"
#include "hint.h"
#include "myrichedit.h"
#include "tfrmbookswitch.h"
#include "thaifonts.h"
#include "tstatusbar.h"

namespace lomarin {
namespace {

const QColor kFormColour(249, 233, 193);
const QColor kTextColour(252, 241, 211);
const QColor kTitleColour(101, 75, 10);

constexpr int kStatusBarHeight = 30;

}  // namespace

void SetUpReaderForm(QWidget* form) {
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->setAutoFillBackground(true);
  QPalette colours = form->palette();
  colours.setColor(QPalette::Window, kFormColour);
  form->setPalette(colours);
  form->setFont(PixelFont(QStringLiteral("AngsanaUPC"), 27));
}

QToolButton* NewFlatButton(QWidget* parent, const QString& objectName, const QIcon& icon, const QString& hint) {
  auto* button = new QToolButton(parent);
  button->setObjectName(objectName);
  button->setAutoRaise(true);
  button->setIcon(icon);
  button->setIconSize(QSize(20, 20));
  SetHint(button, hint);
  return button;
}

QLabel* NewBookTitle(QWidget* parent, const QString& objectName) {
  auto* title = new QLabel(parent);
  title->setObjectName(objectName);
  title->setFont(PixelFont(QStringLiteral("EucrosiaUPC"), 21, true));
  title->setAutoFillBackground(true);
  QPalette colours = title->palette();
  colours.setColor(QPalette::Window, kTitleColour);
  colours.setColor(QPalette::WindowText, Qt::yellow);
  title->setPalette(colours);
  title->setContentsMargins(8, 0, 8, 0);
  return title;
}

QWidget* NewFunctionPanel(QWidget* parent, int width, std::initializer_list<QToolButton*> buttons) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QStringLiteral("pnFunc"));
  panel->setFixedWidth(width);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  for (QToolButton* button : buttons) {
    button->setParent(panel);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    row->addWidget(button);
  }
  return panel;
}

TStatusBar* NewPlainStatusBar(QWidget* parent) {
  auto* bar = new TStatusBar({{150, {}, false}}, parent);
  bar->setObjectName(QStringLiteral("stbar"));
  bar->setFixedHeight(kStatusBarHeight);
  return bar;
}

ReaderTitleBar NewReaderTitleBar(QWidget* form, int panelWidth) {
  ReaderTitleBar bar{};
  bar.panel = new QWidget(form);
  bar.panel->setObjectName(QStringLiteral("Panel1"));
  bar.panel->setFixedHeight(47);
  bar.title = NewBookTitle(bar.panel, QStringLiteral("lbBookName"));
  QStyle* s = form->style();
  bar.copy = NewFlatButton(form, QStringLiteral("btnCopyText"), s->standardIcon(QStyle::SP_FileDialogNewFolder),
                           QStringLiteral("คัดลอกข้อความ"));
  bar.copy->setEnabled(false);
  bar.print = NewFlatButton(form, QStringLiteral("btnPrint"), s->standardIcon(QStyle::SP_DialogSaveButton),
                            QStringLiteral("พิมพ์"));
  bar.close = NewFlatButton(form, QStringLiteral("btnClose"), s->standardIcon(QStyle::SP_DialogCloseButton),
                            QStringLiteral("ปิดคัมภีร์"));
  bar.functions = NewFunctionPanel(bar.panel, panelWidth, {bar.copy, bar.print, bar.close});
  auto* row = new QHBoxLayout(bar.panel);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  row->addWidget(bar.title, 1);
  row->addWidget(bar.functions);
  return bar;
}

void StackReaderParts(QWidget* form, QWidget* titleBar, QWidget* body, QWidget* statusBar) {
  auto* layout = new QVBoxLayout(form);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(titleBar);
  layout->addWidget(body, 1);
  layout->addWidget(statusBar);
}

TextPopupItems AddTextPopupItems(QMenu* menu) {
  TextPopupItems items{};
  items.copy = menu->addAction(QStringLiteral("คัดลอกข้อความ"));
  items.printSelection = menu->addAction(QStringLiteral("พิมพ์ข้อความที่เลือกไว้"));
  menu->addSeparator();
  items.selectAll = menu->addAction(QStringLiteral("เลือกทั้งหมด"));
  return items;
}

void AttachTextPopup(TMyRichEdit* text, QMenu* menu, std::function<void()> beforePopup) {
  text->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(text, &QWidget::customContextMenuRequested, menu,
                   [text, menu, beforePopup = std::move(beforePopup)](const QPoint& at) {
                     beforePopup();
                     menu->exec(text->mapToGlobal(at));
                   });
}

void StyleBookText(TMyRichEdit* text, bool alwaysScrollBars) {
  QPalette colours = text->palette();
  colours.setColor(QPalette::Base, kTextColour);
  colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Active, QPalette::HighlightedText));
  text->setPalette(colours);
  text->setFrameShadow(QFrame::Raised);
  text->SetShowGutter(false);
  if (alwaysScrollBars) {
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  }
}

void PlaceBookSwitchButton(QToolButton* button, const TStatusBar* bar) {
  const int height = bar->height() - 4;
  button->setGeometry(3, 3, height + 20, height);
}

void ShowOpenBooks(Desktop& desktop, QWidget* owner) {
  auto* dialog = new TfrmBookSwitch(desktop, desktop.MainPageRect(), owner);
  dialog->FillFromWindowList();
  dialog->exec();
  const int current = desktop.CurrentIndex;
  if (current >= 0 && current < desktop.WindowList.Count()) desktop.WindowList.At(current).view->raise();
}

void CloseDocumentView(Desktop& desktop, DocumentView& view, std::string_view key) {
  desktop.ReturnIndex = view.PartnerIndex;
  desktop.ViewClosed = true;
  desktop.WindowList.DeleteKey(key);
  desktop.ReturnToDesktop();
  desktop.SearchText.clear();
  view.close();
}

}  // namespace lomarin
