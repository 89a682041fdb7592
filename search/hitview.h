// What the hit marking needs from a text view showing a volume text: byte positions of
// the volume text (CR LF counted as two bytes) are used directly as character positions.
#pragma once

#include <cstdint>
#include <string>

namespace lomarin {

struct Rgb {
  uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

class HitView {
 public:
  virtual ~HitView() = default;
  virtual void SelectRange(int start, int length) = 0;
  // The selected bytes, code page 874.
  virtual std::string SelectedText() const = 0;
  // Colour, bold and underline of the selected bytes.
  virtual void FormatSelection(Rgb colour, bool bold, bool underline) = 0;
  // The whole text in the view's default colour, neither bold nor underlined.
  virtual void ResetFormat() = 0;
};

}  // namespace lomarin
