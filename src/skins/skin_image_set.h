#pragma once
// The images every skin folder holds, the size each must have and whether it must carry
// transparency. Element images are drawn at fixed rectangles of the page and the
// dialogs and must match them; backgrounds give a window its size and must hold every
// rectangle of that window.
#include <span>
#include <string_view>

#include "ui/layout.h"

namespace qv::skins {

struct SkinImage {
  std::u16string_view name;  // appended to the skin folder path; begins with "/"
  int width;                 // exact size of an element, least size of a background
  int height;
  bool is_background;
  // Drawn over other art, so rounded corners and shadows need alpha (some pixel below 255).
  bool needs_alpha;
  // Elements: every rectangle the image is drawn at. Backgrounds: every rectangle the
  // window shows on them.
  std::span<const layout::Rect> places;
};

std::span<const SkinImage> SkinImageSet();

// nullptr for a name outside the set (compared exactly, with the leading "/").
const SkinImage* FindSkinImage(std::u16string_view name);

// Two images of one element drawn in turn at the same place (normal and hover, dark and
// light, off and on): same size, different pixels.
struct ImagePair {
  std::u16string_view first;
  std::u16string_view second;
};
std::span<const ImagePair> StateImagePairs();

// The page's two backgrounds: "/main.png" before the page is painted and
// "/BasicSet2.png" over it; they must be the same size.
inline constexpr std::u16string_view kMainBackground = u"/main.png";
inline constexpr std::u16string_view kPageBackground = u"/BasicSet2.png";

}  // namespace qv::skins
