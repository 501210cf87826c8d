#include "skins/skin_image_set.h"

#include <array>

namespace qv::skins {
namespace {

using layout::Rect;

constexpr Rect kTextButtons[] = {layout::kOkButton,    layout::kApplyButton,  layout::kCancelButton,
                                 layout::kModeAButton, layout::kModeBButton,  layout::kDefaultButton,
                                 layout::dialog::kOk,  layout::dialog::kCancel};
constexpr Rect kCloseButtons[] = {layout::kCloseButton, layout::dialog::kClose};
constexpr Rect kHideButtons[] = {layout::kHideButton};
constexpr Rect kSkinsButtons[] = {layout::kSkinsButton};
constexpr Rect kBackButtons[] = {layout::kBackButton};

SkinImage Element(std::u16string_view name, std::span<const Rect> places) {
  return {name, places.front().Width(), places.front().Height(), false, true, places};
}

SkinImage Background(std::u16string_view name, std::span<const Rect> places) {
  const Rect extent = layout::Extent(places);
  return {name, extent.Width(), extent.Height(), true, false, places};
}

SkinImage DialogBackground(std::u16string_view name, layout::Dialog dialog) {
  return Background(name, layout::DialogRects(dialog));
}

const std::array<SkinImage, 29>& Images() {
  using layout::Dialog;
  static const std::array<SkinImage, 29> images = {
      Background(kMainBackground, layout::PageRects()),
      Background(kPageBackground, layout::PageRects()),
      Element(u"/Pane.png", layout::kDpiStageBoxes),
      Element(u"/PaneMakingTick.png", layout::kDpiStageBoxes),
      Element(u"/DropdownBox-normal.png", layout::kKeyBoxes),
      Element(u"/DropdownBox-over.png", layout::kKeyBoxes),
      Element(u"/slider-DPI-light.png", layout::kDpiCells),
      Element(u"/slider-DPI-dark.png", layout::kDpiCells),
      Element(u"/slider-RP-light.png", layout::kRateSegments),
      Element(u"/slider-RP-dark.png", layout::kRateSegments),
      Element(u"/button-min-normal.png", kHideButtons),
      Element(u"/button-min-over.png", kHideButtons),
      Element(u"/button-Skins-normal.png", kSkinsButtons),
      Element(u"/button-Skins-over.png", kSkinsButtons),
      Element(u"/button-PrePage-normal.png", kBackButtons),
      Element(u"/button-PrePage-over.png", kBackButtons),
      Element(u"/button-normal.png", kTextButtons),
      Element(u"/button-over.png", kTextButtons),
      Element(u"/button-close-normal.png", kCloseButtons),
      Element(u"/button-close-over.png", kCloseButtons),
      DialogBackground(u"/fire-key.png", Dialog::kFireKey),
      DialogBackground(u"/hot-key.png", Dialog::kHotKey),
      DialogBackground(u"/media-key.png", Dialog::kMedia),
      DialogBackground(u"/single-key.png", Dialog::kSingleKey),
      DialogBackground(u"/snipe-key.png", Dialog::kSnipe),
      DialogBackground(u"/windows-key.png", Dialog::kWindowsKey),
      DialogBackground(u"/skins.png", Dialog::kSkins),
      DialogBackground(u"/profile-name.png", Dialog::kProfileName),
      DialogBackground(u"/profiles.png", Dialog::kProfiles),
  };
  return images;
}

constexpr ImagePair kStatePairs[] = {
    {u"/DropdownBox-normal.png", u"/DropdownBox-over.png"},
    {u"/button-min-normal.png", u"/button-min-over.png"},
    {u"/button-Skins-normal.png", u"/button-Skins-over.png"},
    {u"/button-PrePage-normal.png", u"/button-PrePage-over.png"},
    {u"/button-normal.png", u"/button-over.png"},
    {u"/button-close-normal.png", u"/button-close-over.png"},
    {u"/slider-DPI-dark.png", u"/slider-DPI-light.png"},
    {u"/slider-RP-dark.png", u"/slider-RP-light.png"},
    {u"/Pane.png", u"/PaneMakingTick.png"},
    {kMainBackground, kPageBackground},
};

}  // namespace

std::span<const SkinImage> SkinImageSet() { return Images(); }

const SkinImage* FindSkinImage(std::u16string_view name) {
  for (const SkinImage& image : Images())
    if (image.name == name) return &image;
  return nullptr;
}

std::span<const ImagePair> StateImagePairs() { return kStatePairs; }

}  // namespace qv::skins
