#include "keyassign/dialog_keys.h"

#include "keyassign/dialog_frame.h"
#include "keyassign/fire_key_dialog.h"

namespace qv {
namespace {

namespace l = layout;

// Template ids of the sub-dialogs (their frames name the same ones).
constexpr int kFire = 704, kHotKey = 712, kMedia = 703, kSnipe = 711, kWindows = 702, kSkins = 710;

DialogStop Selector(const l::Rect& rect) { return {rect, std::nullopt, true}; }
DialogStop Button(const l::Rect& rect) { return {rect, std::nullopt, false}; }
DialogStop Field(FireField field) {
  const l::Rect* rects[] = {&l::fire_dialog::kTimesField, &l::fire_dialog::kMakeTimeField,
                            &l::fire_dialog::kBreakTimeField};
  return {*rects[static_cast<int>(field)], FireKeyDialog::FieldId(field), false};
}

// The label that names a stop: level with it on its left, or right above it.
std::u16string LabelOf(const DialogStop& stop, std::span<const DialogLabel> labels) {
  for (const DialogLabel& label : labels) {
    const bool beside = label.rect.top == stop.rect.top && label.rect.right <= stop.rect.left;
    const bool above = label.rect.bottom == stop.rect.top;
    if (beside || above) return std::u16string(label.text);
  }
  return {};
}

}  // namespace

std::vector<AccessibleControl> DialogReadingOrder(const std::vector<DialogStop>& stops,
                                                  std::span<const DialogLabel> labels, Language language,
                                                  std::u16string_view choice) {
  std::vector<AccessibleControl> controls;
  auto add = [&](const l::Rect& rect, std::u16string name, ControlRole role) {
    controls.push_back(NamedControl(rect, std::move(name), role, language));
  };
  for (const DialogStop& stop : stops) {
    if (stop.rect == l::dialog::kOk || stop.rect == l::dialog::kCancel) continue;
    if (stop.opensList) {
      add(stop.rect, std::u16string(choice), ControlRole::DropDown);
    } else {
      add(stop.rect, LabelOf(stop, labels), stop.childId ? ControlRole::Text : ControlRole::PushButton);
    }
  }
  add(l::dialog::kOk, std::u16string(OkText(language)), ControlRole::PushButton);
  add(l::dialog::kCancel, std::u16string(CancelText(language)), ControlRole::PushButton);
  add(l::dialog::kClose, CloseName(language), ControlRole::PushButton);
  return controls;
}

std::vector<DialogStop> DialogStops(int templateId) {
  std::vector<DialogStop> stops;
  switch (templateId) {
    case kFire:
      stops = {Selector(l::fire_dialog::kSelector), Field(FireField::Times), Field(FireField::MakeTime),
               Field(FireField::BreakTime)};
      break;
    case kHotKey:
    case kMedia:
    case kWindows:
      stops = {Selector(l::hot_key_dialog::kSelector)};
      static_assert(l::hot_key_dialog::kSelector == l::media_dialog::kSelector &&
                    l::media_dialog::kSelector == l::windows_dialog::kSelector);
      break;
    case kSnipe:
      stops = {Selector(l::snipe_dialog::kSelector)};
      break;
    case kSkins:
      stops = {Button(l::skins_dialog::kSwatch), Selector(l::skins_dialog::kSelector)};
      break;
    default:
      return {};
  }
  stops.push_back(Button(l::dialog::kOk));
  stops.push_back(Button(l::dialog::kCancel));
  return stops;
}

}  // namespace qv
