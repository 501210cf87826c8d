#include "ui/layout.h"

#include <iterator>

namespace qv::layout {
namespace {

constexpr Rect kPageFixedRects[] = {
    kSkinsButton, kHideButton, kCloseButton, kBackButton, kPageTitle, kOkButton, kApplyButton,
    kCancelButton, kWebAddress, kKeyAreaLabel, kModeAButton, kModeBButton, kDefaultButton,
    kRateLabel, kDpiLabel, kDpiColorLabel, kDpiSelectLabel, kLedAreaLabel, kLedModeList,
    kLedParameterListStandard, kLedParameterListNeon, kLedEffectList};

// The page's rectangles, fixed ones first, then every key box and list, rate segment,
// DPI cell, level label, swatch, stage box and digit, LED label, box and list.
constexpr auto MakePageRects() {
  constexpr int kCount = static_cast<int>(std::size(kPageFixedRects)) + 2 * kKeyCount + 2 * kRateSegmentCount +
                         kDpiStageCount * kDpiMaxLevels + kDpiMaxLevels + 3 * kDpiStageCount +
                         3 * kLedBoxCount;
  std::array<Rect, kCount> rects{};
  int n = 0;
  for (const Rect& r : kPageFixedRects) rects[n++] = r;
  for (int i = 0; i < kKeyCount; ++i) {
    rects[n++] = kKeyBoxes[i];
    rects[n++] = kKeyLists[i];
  }
  for (const Rect& r : kRateSegments) rects[n++] = r;
  for (int i = 0; i < kRateSegmentCount; ++i) rects[n++] = RateValueText(i);
  for (const Rect& r : kDpiCells) rects[n++] = r;
  for (int level = 1; level <= kDpiMaxLevels; ++level) rects[n++] = DpiLevelLabel(level, true);
  for (int i = 0; i < kDpiStageCount; ++i) {
    rects[n++] = kDpiSwatches[i];
    rects[n++] = kDpiStageBoxes[i];
    rects[n++] = StageDigitText(i);
  }
  for (int i = 0; i < kLedBoxCount; ++i) {
    rects[n++] = kLedLabels[i];
    rects[n++] = kLedBoxes[i];
    rects[n++] = kLedValues[i];
  }
  if (n != kCount) throw "page rectangle count";  // a compile-time error in a constant
  return rects;
}

constexpr auto kPageRects = MakePageRects();

constexpr Rect kFireRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                               fire_dialog::kDisplay, fire_dialog::kSelector, fire_dialog::kList,
                               fire_dialog::kTimesField, fire_dialog::kMakeTimeField,
                               fire_dialog::kBreakTimeField, fire_dialog::kSharedTimesNote,
                               fire_dialog::kTimeRangeNote, fire_dialog::kTimesRangeNote};
constexpr Rect kHotKeyRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                                 hot_key_dialog::kDisplay, hot_key_dialog::kSelector,
                                 hot_key_dialog::kList};
constexpr Rect kMediaRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                                media_dialog::kDisplay, media_dialog::kSelector, media_dialog::kList};
constexpr Rect kSingleKeyRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                                    single_key_dialog::kPrompt, single_key_dialog::kKeyDisplay};
constexpr Rect kSnipeRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                                snipe_dialog::kNote, snipe_dialog::kDisplay, snipe_dialog::kSelector,
                                snipe_dialog::kList};
constexpr Rect kWindowsRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                                  windows_dialog::kDisplay, windows_dialog::kSelector,
                                  windows_dialog::kList};
constexpr Rect kSkinsRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel,
                                skins_dialog::kPrompt, skins_dialog::kLongPrompt, skins_dialog::kSwatch,
                                skins_dialog::kDisplay, skins_dialog::kSelector, skins_dialog::kList};
constexpr Rect kProfileNameRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel, profile_name_dialog::kPrompt,
                                      profile_name_dialog::kField};
namespace pd = profiles_dialog;
constexpr Rect kProfilesRects[] = {dialog::kClose, dialog::kOk, dialog::kCancel, pd::kListLabel, pd::kList,
                                   pd::kActions[0], pd::kActions[1], pd::kActions[2], pd::kActions[3],
                                   pd::kActions[4], pd::kActions[5], pd::kProgramsLabel, pd::kPrograms,
                                   pd::kUnbind, pd::kBrowse, pd::kRunningSelector, pd::kRunningList,
                                   pd::kFullPath, pd::kHotKeyLabel, pd::kHotKeyField, pd::kHotKeyNote};

}  // namespace

std::span<const Rect> PageRects() { return kPageRects; }

std::span<const Rect> DialogRects(Dialog dialog) {
  switch (dialog) {
    case Dialog::kFireKey: return kFireRects;
    case Dialog::kHotKey: return kHotKeyRects;
    case Dialog::kMedia: return kMediaRects;
    case Dialog::kSingleKey: return kSingleKeyRects;
    case Dialog::kSnipe: return kSnipeRects;
    case Dialog::kWindowsKey: return kWindowsRects;
    case Dialog::kSkins: return kSkinsRects;
    case Dialog::kProfileName: return kProfileNameRects;
    case Dialog::kProfiles: return kProfilesRects;
  }
  return {};
}

}  // namespace qv::layout
