// TfrmMain: the desktop. One frameless full-screen window that paints the tiled
// background, lays out the page image on which every document view is placed, shows the
// long part of the current hint in its status line and refuses every close that was not
// confirmed. It holds the state the views share (Desktop) and runs every document
// request: ProcessDocumentRequest opens or activates a document, ReturnToDesktop brings a
// view forward after another closed, or starts the menu timer when none is left. Its key
// handler drives all of it from the function keys.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <optional>

#include "commandline.h"
#include "desktop.h"

class QLabel;
class QTimer;

namespace lomarin {

class TfrmBodyHCNT;

class TfrmMain : public QWidget, public Desktop {
  Q_OBJECT

 public:
  explicit TfrmMain(std::string dataFolder, QWidget* parent = nullptr);

  void ProcessDocumentRequest() override;
  void ReturnToDesktop() override;
  QRect MainPageRect() const override;

  // The function keys, seen before the focused control of the desktop or of a view
  // (which still gets the key): the table of keyboard commands.
  void FormKeyDown(int key);

  // F1: the search dialog, starting with SearchText.
  void ShowSearchDialog();

  // A request issued once the start-up timer has ticked (the --open option).
  void SetStartupRequest(const OpenRequest& request) { m_startupRequest = request; }

  // The exit confirmation: a two-button question; true when "ใช่" was chosen.
  bool ConfirmExit();
  // After a confirmed exit: the desktop closes (and frees every view) and the program ends.
  void LeaveProgram();

  QWidget* imgMainPage = nullptr;
  QLabel* lbStatus = nullptr;
  QTimer* Timer1 = nullptr;  // the start-up tick
  QTimer* Timer2 = nullptr;  // the one-shot menu timer
  QPixmap TileBitmap;        // the background tile; none without the resource library
  bool CloseConfirmed = false;

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormShow();
  void Timer1Timer();
  void Timer2Timer();
  // What a click on the title banner does; until the main menu exists, the catalogue.
  void OpenMainMenu();
  // RequestCode := the catalogue, RequestArg := -1, ProcessDocumentRequest.
  void ShowCatalogue();
  // The view at CurrentIndex, or none.
  DocumentView* CurrentView() const;
  void ShowStatusHint(const QString& hint);
  // Kinds 0 and 1; answers the key of the document opened or activated, or "".
  std::string OpenNumberedVolume(int kind, int index);
  // The search-results request; answers the results reader's key, or "" when the search
  // was refused or found nothing (a message said so and SearchFailed is set).
  std::string OpenSearchResults();
  void ShowSearchMessage(const std::string& message);
  // Kinds 2, 3, 4 and 5 (otherbookrequests.cpp), answering the same.
  std::string OpenMilinda();
  std::string OpenVisuddhiPart(int part);
  std::string OpenEncyclopedia(int headword);
  std::string OpenChantBook(int chant);
  TfrmBodyHCNT* PlaceNewNumberedView();
  void MoveToContentsEntry(TfrmBodyHCNT* view, int line, int scrolls);

  std::optional<OpenRequest> m_startupRequest;
};

}  // namespace lomarin
