#include "readercontents.h"

#include "attaproc.h"
#include "documentcode.h"
#include "milinproc.h"
#include "tipiproc.h"
#include "wisutproc.h"

namespace lomarin {

bool LoadReaderContents(const std::string& dataFolder, int32_t documentCode, TextTarget& lines) {
  const int index = RequestIndex(documentCode);
  switch (RequestKind(documentCode)) {
    case kKindTipitaka:
      SetTipitakaFolder(dataFolder + "bible/");
      return LoadTipitakaContents(index + 1, lines);
    case kKindAtthakatha:
      SetAtthakathaFolder(dataFolder + "bible/");
      return LoadAtthakathaContents(index + 1, lines);
    case kKindMilinda:
      SetMilindaFolder(dataFolder + "others/");
      return LoadMilindaContents(lines);
    case kKindVisuddhi:
      SetVisuddhiFolder(dataFolder + "others/");
      return LoadVisuddhiContents(index, lines);
    default:
      return false;
  }
}

int ReaderContentsLine(const std::string& dataFolder, int32_t documentCode, int entry) {
  const int index = RequestIndex(documentCode);
  switch (RequestKind(documentCode)) {
    case kKindTipitaka:
      SetTipitakaFolder(dataFolder + "bible/");
      return TipitakaContentsLine(index + 1, entry);
    case kKindAtthakatha:
      SetAtthakathaFolder(dataFolder + "bible/");
      return AtthakathaContentsLine(index + 1, entry);
    case kKindMilinda:
      SetMilindaFolder(dataFolder + "others/");
      return MilindaContentsLine(entry);
    case kKindVisuddhi:
      SetVisuddhiFolder(dataFolder + "others/");
      return VisuddhiContentsLine(index, entry);
    default:
      return 0;
  }
}

}  // namespace lomarin
