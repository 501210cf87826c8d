#include "keyassign/dialog_keys.h"

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

}  // namespace

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
