// The results reader's text view as the search engine's HitView. Marking asks for one
// selection, one read and one format per hit; done on the view one by one, 5,000 hits
// would each reformat the document. HitMarker answers the reads from the view's own
// bytes and records the formats, and Apply() then makes them in one edit block. Only the
// last selection asked for is made on the view.
#pragma once

#include <QTextCharFormat>
#include <vector>

#include "hitview.h"
#include "myrichedit.h"

namespace lomarin {

class HitMarker final : public HitView {
 public:
  explicit HitMarker(TMyRichEdit& view) : m_view(view) {}

  void SelectRange(int start, int length) override;
  std::string SelectedText() const override;
  void FormatSelection(Rgb colour, bool bold, bool underline) override;
  void ResetFormat() override;

  // Makes the recorded reset and formats, then the last selection.
  void Apply();

 private:
  struct Marked {
    ByteRange range;
    QTextCharFormat format;
  };

  TMyRichEdit& m_view;
  ByteRange m_selection;
  bool m_reset = false;
  std::vector<Marked> m_marked;
};

}  // namespace lomarin
