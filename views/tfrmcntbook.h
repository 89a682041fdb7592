// TfrmCntBook: the catalogue, the modal window in which the user picks a book, or a
// contents entry of a book, to read. Six category buttons each show their book list
// (entering a button by click or Tab reloads it); "ดูสารบัญ" replaces the list of
// Tipitaka, Atthakatha or Visuddhimagga books with the chosen book's contents. Opening
// writes the document request into the desktop's RequestCode (and, for a contents
// entry, RequestArg) and closes; "ปิด" closes and leaves RequestCode asking for the
// catalogue, which then opens nothing.
//
// Lists: bible/tripi.lst, bible/atta.lst, others/wisut.lst, others/readmine.lst (one
// title per line, code page 874), the Milindapanha's contents and the encyclopedia's
// headwords from the store.
#pragma once

#include <cstdint>

#include "dialogform.h"

class QGroupBox;
class QListWidget;
class QStackedWidget;

namespace lomarin {

class Desktop;
class TRGNBtn;

class TfrmCntBook : public DialogForm {
  Q_OBJECT

 public:
  TfrmCntBook(Desktop& desktop, QWidget* owner);

  void btnTripiListEnter(TRGNBtn* button);
  void btnTripiListClick();
  void lsbBookIndexClick();
  void btnContentClick();
  void btnOpenBookClick();
  void btnLastUsageEnter();

  int32_t Category = 0;
  int32_t ChosenBook = 0;
  bool ContentsMode = false;

  TRGNBtn* btnTripiList = nullptr;
  TRGNBtn* btnAttaList = nullptr;
  TRGNBtn* btnMilinList = nullptr;
  TRGNBtn* btnWisutList = nullptr;
  TRGNBtn* btnSara = nullptr;
  TRGNBtn* btnReadMine = nullptr;
  QGroupBox* gbxBookName = nullptr;
  QStackedWidget* nbContent = nullptr;
  QListWidget* lsbBookIndex = nullptr;
  TRGNBtn* btnOpenBook = nullptr;
  TRGNBtn* btnContent = nullptr;
  TRGNBtn* btnClose = nullptr;
  TRGNBtn* btnTIPIGuide = nullptr;
  TRGNBtn* btnATTAGuide = nullptr;
  TRGNBtn* btnMilin = nullptr;
  TRGNBtn* btnWitsuGuide = nullptr;
  TRGNBtn* btnSaraGuide = nullptr;
  TRGNBtn* btnBodsoadGuide = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fillBookList();
  void fillContents();

  Desktop& m_desktop;
};

}  // namespace lomarin
