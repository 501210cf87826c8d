#pragma once
// Skin pixels and screen pixels. The page, the hit tests, the sliders and the hover looks
// all work in the skin's own pixels; only the Win32 layer meets the screen, and it crosses
// over through these functions and no others, so no rectangle is scaled twice or missed.
#include <array>
#include <string>
#include <string_view>

#include "ui/layout.h"

namespace qv {

inline constexpr int kSkinDpi = 96;  // a skin pixel is a screen pixel at 100 %

// The window's scale as its monitor's dots per inch: 96, 120, 144, 192, ...
struct DisplayScale {
  int dpi = kSkinDpi;

  constexpr bool IsNatural() const { return dpi == kSkinDpi; }
  friend constexpr bool operator==(const DisplayScale&, const DisplayScale&) = default;
};

// A skin coordinate on the screen, rounded to the nearest pixel (halves up). Edges are
// mapped, never sizes, so neighbours that touch in the skin still touch on the screen.
int ToScreen(int skin, DisplayScale scale);
// A skin rectangle on the screen: each edge through ToScreen. Child controls, texts and
// images are all placed with it.
layout::Rect ToScreen(const layout::Rect& skin, DisplayScale scale);
// A length that has no position, such as a font's height.
int LengthToScreen(int skin, DisplayScale scale);

// The skin pixel whose screen area holds the screen pixel: the point a press or a hover
// at `screen` is tested at. ToScreen(ToSkin(p)) <= p < ToScreen(ToSkin(p) + 1).
int ToSkin(int screen, DisplayScale scale);
layout::Rect ToSkin(const layout::Rect& screen, DisplayScale scale);

// Where a skin image at a scale may come from: "name@2x.png", "name@1.5x.png" beside
// "name.png", drawn for those scales. Best first; the last is always the image itself.
struct ImageSource {
  std::u16string name;
  int percent = 100;  // the scale the file is drawn for
};
struct ImageSources {
  std::array<ImageSource, 3> sources;
  int count = 0;
};
ImageSources ImageSourcesFor(std::u16string_view imageName, DisplayScale scale);

// The skin size of an image drawn for `percent`: its pixels back at 100 %.
int SkinLengthOf(int pixels, int percent);

}  // namespace qv
