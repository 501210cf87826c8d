#include "keyassign/dialog_keys.h"

#include "keyassign/dialog_frame.h"
#include "keyassign/fire_key_dialog.h"

namespace qv {
namespace {

namespace l = layout;

// Template ids of the sub-dialogs (their frames name the same ones).
constexpr int kFire = 704, kHotKey = 712, kMedia = 703, kSnipe = 711, kWindows = 702, kSkins = 710, kSingle = 701;
constexpr int kLabelGap = 6;  // a label this close above a control names it

DialogStop Selector(const l::Rect& rect) { return {rect, std::nullopt, true}; }
DialogStop Button(const l::Rect& rect) { return {rect, std::nullopt, false}; }
DialogStop KeyField(const l::Rect& rect) { return {rect, std::nullopt, false, true}; }
DialogStop Field(FireField field) {
  const l::Rect* rects[] = {&l::fire_dialog::kTimesField, &l::fire_dialog::kMakeTimeField,
                            &l::fire_dialog::kBreakTimeField};
  return {*rects[static_cast<int>(field)], FireKeyDialog::FieldId(field), false};
}

// The label that names a stop: level with it on its left, else just above it. A wrapped
// note (the times every fire key shares) explains the dialog; it names no control.
std::u16string LabelOf(const DialogStop& stop, std::span<const DialogLabel> labels) {
  for (const DialogLabel& label : labels) {
    if (label.rect.top == stop.rect.top && label.rect.right <= stop.rect.left) return std::u16string(label.text);
  }
  for (const DialogLabel& label : labels) {
    if (label.format == TextFormat::Wrapped) continue;
    const bool above = label.rect.bottom <= stop.rect.top && stop.rect.top - label.rect.bottom <= kLabelGap;
    const bool overlapping = label.rect.left < stop.rect.right && stop.rect.left < label.rect.right;
    if (above && overlapping) return std::u16string(label.text);
  }
  return {};
}

ControlRole RoleOf(const DialogStop& stop) {
  if (stop.role) return *stop.role;
  if (stop.opensList) return ControlRole::DropDown;
  if (stop.capturesKey) return ControlRole::KeyField;
  return stop.childId ? ControlRole::Text : ControlRole::PushButton;
}

}  // namespace

std::vector<AccessibleControl> DialogReadingOrder(const std::vector<DialogStop>& stops,
                                                  std::span<const DialogLabel> labels, Language language,
                                                  std::u16string_view title, std::span<const std::u16string> values) {
  std::vector<AccessibleControl> controls;
  auto add = [&](const l::Rect& rect, std::u16string name, ControlRole role) -> AccessibleControl& {
    return controls.emplace_back(NamedControl(rect, std::move(name), role, language));
  };
  for (size_t i = 0; i < stops.size(); ++i) {
    const DialogStop& stop = stops[i];
    if (stop.rect == l::dialog::kOk || stop.rect == l::dialog::kCancel) continue;
    std::u16string name = stop.name.empty() ? LabelOf(stop, labels) : stop.name;
    if (name.empty() && stop.opensList) name = std::u16string(title);
    add(stop.rect, std::move(name), RoleOf(stop)).value = i < values.size() ? values[i] : std::u16string();
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
    case kSingle:
      stops = {KeyField(l::single_key_dialog::kKeyDisplay)};
      break;
    default:
      return {};
  }
  stops.push_back(Button(l::dialog::kOk));
  stops.push_back(Button(l::dialog::kCancel));
  return stops;
}

}  // namespace qv
