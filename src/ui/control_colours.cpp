#include "ui/control_colours.h"

#include <algorithm>
#include <cmath>

#include "ui/page_controls.h"

namespace qv {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kSkinListBrush{14, 15, 14};
constexpr Rgb kPlainStatic{100, 150, 100};
// Ids of the skins dialog's lists and of a value static that other windows may create.
constexpr int kSkinList1 = 151;
constexpr int kSkinList2 = 152;
constexpr int kExtraValueStatic = 119;

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double Luminance(Rgb colour) {
  const auto linear = [](uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

// The value statics are black boxes on every skin: a text colour chosen for a light skin
// may not read there, and then the box's text is white.
Rgb ReadableOnBlack(Rgb textColour) { return Contrast(textColour, kBlack) >= kReadableContrast ? textColour : kWhite; }

ControlColours ListBoxColours(int id, Rgb textColour) {
  if (id == kSkinList1 || id == kSkinList2) return {textColour, true, {}, {}, kSkinListBrush};
  // Entries are drawn opaque in the background colour (Wine does so even when transparent).
  return {kWhite, true, kBlack, FontRole::Text, kBlack};
}

ControlColours StaticColours(int id, Rgb textColour, const UiRecord& record) {
  if (id >= SwatchId(1) && id <= SwatchId(kStageCount)) {
    const auto colour = record.StageColour(id - kFirstSwatchId + 1);
    return {{}, true, {}, {}, Rgb{colour[0], colour[1], colour[2]}};
  }
  const bool value = (id >= kLedModeStaticId && id <= kLedEffectStaticId) || id == kExtraValueStatic;
  if (value) return {ReadableOnBlack(textColour), false, kBlack, FontRole::Text, kBlack};
  return {textColour, false, kPlainStatic, FontRole::Text, kPlainStatic};
}

}  // namespace

double Contrast(Rgb a, Rgb b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ControlColours ColoursOfControl(ControlKind kind, int id, Rgb textColour, const UiRecord& record) {
  switch (kind) {
    case ControlKind::Edit: return {textColour, true, {}, {}, kBlack};
    case ControlKind::ListBox: return ListBoxColours(id, textColour);
    case ControlKind::Button: return {{}, true, {}, {}, {}};
    case ControlKind::Static: return StaticColours(id, textColour, record);
    case ControlKind::Other: break;
  }
  return {};
}

}  // namespace qv
