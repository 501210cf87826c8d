#include "ui/control_colours.h"

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
  if (value) return {textColour, false, kBlack, FontRole::Text, kBlack};
  return {textColour, false, kPlainStatic, FontRole::Text, kPlainStatic};
}

}  // namespace

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
