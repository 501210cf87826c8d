#pragma once
// What the page painters draw on: the window's canvas bitmap, behind a memory device
// context, in the Win32 layer; a recording fake in tests. One paint is one Canvas: the
// Win32 side opens it over the client area and copies it to the screen when it ends.
#include <cstdint>
#include <string_view>

#include "ui/fonts.h"
#include "ui/layout.h"

namespace qv {

// DT_CENTER|DT_VCENTER|DT_SINGLELINE, DT_VCENTER|DT_SINGLELINE (left),
// DT_RIGHT|DT_VCENTER|DT_SINGLELINE, DT_CENTER|DT_SINGLELINE, and DT_WORDBREAK (left, from
// the top, broken between words onto as many lines as the width needs).
enum class TextFormat { Centred, Left, Right, TopCentred, Wrapped };

struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// Titles (the page's and the sub-dialogs') are drawn dark on a light plate the art draws in
// every skin, so they read whatever text colour the user chose.
inline constexpr Rgb kTitlePlateText{66, 66, 66};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // A skin image by its name ("/main.png"), top-left corner at (x, y), natural size, with
  // its alpha. False when it could not be drawn (missing file, no canvas bitmap).
  virtual bool DrawImage(std::u16string_view imageName, int x, int y) = 0;
  // The part of an image placed at (x, y) that lies inside `part`: the background put back
  // under an element before it is drawn again, so that nothing of its previous look (a
  // hover outline, a text drawn over itself) is left where the element's image is clear.
  virtual bool DrawImagePart(std::u16string_view imageName, int x, int y, const layout::Rect& part) = 0;
  // Text with a transparent background in the window's font of that role.
  virtual void DrawText(std::u16string_view text, const layout::Rect& rect, TextFormat format, FontRole font,
                        Rgb colour) = 0;
};

}  // namespace qv
