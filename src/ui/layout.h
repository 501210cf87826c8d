#pragma once
// Client-pixel rectangles (left, top, right, bottom) of the main page and of the skinned
// sub-dialogs. Painters draw an image with its top-left corner at a rectangle's top-left
// corner; hit tests walk these rectangles in a fixed order and the first hit wins.
//
// resources/skins/skinart/layoutfile.py reads this file to place the skin art, so keep
// the tables literal: `inline constexpr Rect kName{l, t, r, b};`, arrays of such braces
// and `inline constexpr int` constants, inside the namespaces below.
#include <array>
#include <span>

namespace qv::layout {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  // A point on the left or top edge is inside, one on the right or bottom edge is not.
  constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  constexpr bool Contains(const Rect& other) const {
    return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
  }
  constexpr bool Intersects(const Rect& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// The smallest rectangle from (0, 0) that holds every given rectangle: the least size of
// a background that must show them all.
constexpr Rect Extent(std::span<const Rect> rects) {
  Rect extent;
  for (const Rect& r : rects) {
    if (r.right > extent.right) extent.right = r.right;
    if (r.bottom > extent.bottom) extent.bottom = r.bottom;
  }
  return extent;
}

// ---------------------------------------------------------------------------------------
// Main page. The page background "/BasicSet2.png" is drawn at (0, 0).

// Title bar buttons, back button and page title.
inline constexpr Rect kSkinsButton{701, 5, 719, 23};
inline constexpr Rect kHideButton{825, 5, 843, 23};
inline constexpr Rect kCloseButton{850, 5, 868, 23};
inline constexpr Rect kBackButton{44, 54, 84, 94};
inline constexpr Rect kPageTitle{90, 51, 236, 99};

// Bottom row.
inline constexpr Rect kOkButton{562, 623, 667, 644};
inline constexpr Rect kApplyButton{666, 623, 771, 644};
inline constexpr Rect kCancelButton{770, 623, 875, 644};
inline constexpr Rect kWebAddress{273, 627, 449, 647};

// Key setting area. Boxes 5..8 are never drawn by the page but their lists may be.
inline constexpr Rect kKeyAreaLabel{259, 160, 364, 181};
inline constexpr int kKeyCount = 8;
inline constexpr int kShownKeyCount = 4;
inline constexpr Rect kKeyBoxes[kKeyCount] = {
    {252, 199, 463, 220}, {252, 222, 463, 243}, {252, 245, 463, 266}, {252, 268, 463, 289},
    {252, 291, 463, 312}, {252, 314, 463, 335}, {252, 337, 463, 358}, {252, 360, 463, 381},
};
inline constexpr Rect kKeyLists[kKeyCount] = {
    {252, 221, 463, 451}, {252, 244, 463, 474}, {252, 267, 463, 497}, {252, 290, 463, 520},
    {252, 313, 463, 543}, {252, 336, 463, 566}, {252, 359, 463, 589}, {252, 382, 463, 612},
};
inline constexpr int kKeyDigitWidth = 20;
inline constexpr Rect kModeAButton{253, 518, 358, 539};
inline constexpr Rect kModeBButton{357, 518, 462, 539};
inline constexpr Rect kDefaultButton{307, 549, 412, 570};
// The outline of the mouse between the boxes and the Mode buttons: a dot on each of keys
// 1..4 (left, right, wheel, the button behind the wheel), and the key's number beside it
// so the dots can be matched with the boxes.
inline constexpr Rect kKeyMapDots[kShownKeyCount] = {
    {332, 353, 339, 360}, {379, 353, 386, 360}, {356, 356, 363, 363}, {356, 378, 363, 385},
};
inline constexpr Rect kKeyMapNumbers[kShownKeyCount] = {
    {318, 350, 330, 364}, {388, 350, 400, 364}, {353, 340, 366, 354}, {353, 386, 366, 400},
};

// The digit of key box `index` (0-based) and the key name beside it.
constexpr Rect KeyDigitText(int index) {
  const Rect& box = kKeyBoxes[index];
  return {box.left, box.top, box.left + kKeyDigitWidth, box.bottom};
}
constexpr Rect KeyNameText(int index) {
  const Rect& box = kKeyBoxes[index];
  return {box.left + kKeyDigitWidth, box.top, box.right, box.bottom};
}

// Report rate area: segments for 125, 250, 500 and 1000 Hz, their values below them.
inline constexpr Rect kRateLabel{504, 161, 609, 182};
inline constexpr int kRateSegmentCount = 4;
inline constexpr Rect kRateSegments[kRateSegmentCount] = {
    {542, 204, 612, 215}, {614, 204, 684, 215}, {686, 204, 756, 215}, {758, 204, 828, 215},
};
inline constexpr int kRateValueGap = 10;
inline constexpr int kRateValueBottom = 30;
constexpr Rect RateValueText(int index) {
  const Rect& s = kRateSegments[index];
  return {s.left, s.bottom + kRateValueGap, s.right, s.bottom + kRateValueBottom};
}

// DPI stages: four columns of up to twelve level cells, level 1 at the bottom.
inline constexpr Rect kDpiLabel{504, 275, 609, 296};
inline constexpr int kDpiStageCount = 4;
inline constexpr int kDpiMaxLevels = 12;
inline constexpr int kDpiColumnX[kDpiStageCount] = {554, 581, 608, 635};
inline constexpr int kDpiCellSize = 16;
inline constexpr int kDpiCellPitch = 18;
inline constexpr int kDpiBottomCellTop = 500;
inline constexpr int kDpiLabelLeftWide = 494;
inline constexpr int kDpiLabelLeftNarrow = 514;
inline constexpr int kDpiLabelRight = 544;

// Level cell of stage 1..4 and level 1..12.
constexpr Rect DpiCell(int stage, int level) {
  const int x = kDpiColumnX[stage - 1];
  const int top = kDpiBottomCellTop - kDpiCellPitch * (level - 1);
  return {x, top, x + kDpiCellSize, top + kDpiCellSize};
}
// The DPI value beside level 1..12; DPI tables 1..3 use the wide rectangle.
constexpr Rect DpiLevelLabel(int level, bool wide) {
  const Rect cell = DpiCell(1, level);
  return {wide ? kDpiLabelLeftWide : kDpiLabelLeftNarrow, cell.top, kDpiLabelRight, cell.bottom};
}

inline constexpr Rect kDpiColorLabel{494, 523, 544, 539};
inline constexpr Rect kDpiSwatches[kDpiStageCount] = {
    {554, 523, 570, 539}, {581, 523, 597, 539}, {608, 523, 624, 539}, {635, 523, 651, 539},
};
inline constexpr Rect kDpiSelectLabel{494, 541, 544, 557};
inline constexpr Rect kDpiStageBoxes[kDpiStageCount] = {
    {554, 541, 570, 557}, {581, 541, 597, 557}, {608, 541, 624, 557}, {635, 541, 651, 557},
};
inline constexpr int kStageDigitGap = 5;
inline constexpr int kStageDigitBottom = 30;
constexpr Rect StageDigitText(int index) {
  const Rect& box = kDpiStageBoxes[index];
  return {box.left, box.bottom + kStageDigitGap, box.right, box.bottom + kStageDigitBottom};
}

// LED lighting area: mode, parameter and effect. Each box is a value static (left part)
// and the drop-down arrow of the background (right part).
inline constexpr Rect kLedAreaLabel{704, 275, 809, 296};
inline constexpr int kLedBoxCount = 3;
// The value boxes hold "Non-Disolay" and "RGB Effect" with room beside them.
inline constexpr Rect kLedLabels[kLedBoxCount] = {
    {684, 330, 750, 344}, {684, 360, 750, 374}, {684, 390, 750, 404},
};
inline constexpr Rect kLedBoxes[kLedBoxCount] = {
    {756, 330, 851, 344}, {756, 360, 851, 374}, {756, 390, 851, 404},
};
inline constexpr Rect kLedValues[kLedBoxCount] = {
    {756, 330, 835, 344}, {756, 360, 835, 374}, {756, 390, 835, 404},
};
inline constexpr Rect kLedModeList{755, 347, 851, 407};
inline constexpr Rect kLedParameterListStandard{756, 377, 851, 547};
inline constexpr Rect kLedParameterListNeon{756, 377, 851, 577};
inline constexpr Rect kLedEffectList{755, 407, 851, 447};

// Every level cell, stage by stage and level 1..12 within a stage: the order in which a
// press is tested against them.
constexpr std::array<Rect, kDpiStageCount * kDpiMaxLevels> AllDpiCells() {
  std::array<Rect, kDpiStageCount * kDpiMaxLevels> cells{};
  for (int stage = 1; stage <= kDpiStageCount; ++stage)
    for (int level = 1; level <= kDpiMaxLevels; ++level)
      cells[(stage - 1) * kDpiMaxLevels + (level - 1)] = DpiCell(stage, level);
  return cells;
}
inline constexpr std::array<Rect, kDpiStageCount * kDpiMaxLevels> kDpiCells = AllDpiCells();

// Every rectangle the page draws, opens or hit-tests: the page background must hold them.
std::span<const Rect> PageRects();

// ---------------------------------------------------------------------------------------
// Sub-dialogs. The background image gives the window its size; every dialog has the
// close, OK and Cancel buttons of its frame.

namespace dialog {
// The title line on the plate the art draws in the title bar, beside the mark.
inline constexpr Rect kTitle{34, 5, 234, 26};
inline constexpr Rect kClose{352, 6, 370, 24};
inline constexpr Rect kOk{166, 253, 271, 274};
inline constexpr Rect kCancel{270, 253, 375, 274};
}  // namespace dialog

// A selector box is its display (left part, a static control) and the drop-down arrow
// drawn by the background (right part).
namespace fire_dialog {
inline constexpr Rect kDisplay{82, 69, 150, 85};
inline constexpr Rect kSelector{82, 69, 165, 85};
inline constexpr Rect kList{82, 87, 165, 257};
inline constexpr Rect kTimesField{83, 96, 164, 110};
inline constexpr Rect kMakeTimeField{83, 121, 164, 135};
inline constexpr Rect kBreakTimeField{83, 146, 164, 160};
// Labels right-aligned before their fields; the notes below the last field, as wide as the
// guide line above them, end above the band of OK and Cancel. The left labels start
// outside a narrow window. Under the title: the times every fire key shares.
inline constexpr Rect kTimesLabel{-7, 96, 76, 110};
inline constexpr Rect kMakeTimeLabel{-7, 121, 76, 135};
inline constexpr Rect kBreakTimeLabel{-7, 146, 76, 160};
inline constexpr Rect kSharedTimesNote{23, 36, 361, 66};
inline constexpr Rect kTimeRangeNote{23, 170, 361, 186};
inline constexpr Rect kTimesRangeNote{23, 189, 361, 240};
}  // namespace fire_dialog

// The key dialogs' selectors are wide enough for their longest entry in every language
// ("Select all (Ctrl+A)", "Browser-Forward") and stop short of the badge; their lists end
// above OK, which they would otherwise cover, and hold every entry in English.
namespace hot_key_dialog {
inline constexpr Rect kDisplay{42, 80, 196, 96};
inline constexpr Rect kSelector{42, 80, 211, 96};
inline constexpr Rect kList{42, 98, 211, 250};
}  // namespace hot_key_dialog

namespace media_dialog {
inline constexpr Rect kDisplay{42, 80, 196, 96};
inline constexpr Rect kSelector{42, 80, 211, 96};
inline constexpr Rect kList{42, 98, 211, 250};
}  // namespace media_dialog

namespace single_key_dialog {
inline constexpr Rect kPrompt{43, 108, 181, 124};
inline constexpr Rect kKeyDisplay{73, 128, 151, 144};
}  // namespace single_key_dialog

namespace snipe_dialog {
// Above the selector: the one snipe DPI is every snipe key's.
inline constexpr Rect kNote{30, 38, 238, 76};
inline constexpr Rect kDisplay{42, 80, 196, 96};
inline constexpr Rect kSelector{42, 80, 211, 96};
inline constexpr Rect kList{42, 98, 211, 250};
}  // namespace snipe_dialog

namespace windows_dialog {
inline constexpr Rect kDisplay{42, 80, 196, 96};
inline constexpr Rect kSelector{42, 80, 211, 96};
inline constexpr Rect kList{42, 98, 211, 250};
}  // namespace windows_dialog

namespace skins_dialog {
inline constexpr Rect kPrompt{12, 64, 181, 94};
// The English prompt is wider than kPrompt at the dialog font: it starts at its left edge
// and runs on towards the picture.
inline constexpr Rect kLongPrompt{12, 64, 240, 94};
inline constexpr Rect kSwatch{42, 94, 151, 110};
inline constexpr Rect kDisplay{42, 128, 136, 144};
inline constexpr Rect kSelector{42, 128, 151, 144};
inline constexpr Rect kList{42, 146, 151, 266};
}  // namespace skins_dialog

// The name a profile is saved under: a prompt (or why a name is refused) over its field.
namespace profile_name_dialog {
inline constexpr Rect kPrompt{24, 62, 240, 126};
inline constexpr Rect kField{24, 130, 240, 148};
}  // namespace profile_name_dialog

// The profiles managed: their list on the left, the actions on a profile beside it, the
// programs that choose the selected profile and the hot key on the right. The running
// programs' list drops over the column below it and ends above OK.
namespace profiles_dialog {
inline constexpr Rect kListLabel{12, 36, 132, 50};
inline constexpr Rect kList{12, 52, 132, 238};
inline constexpr Rect kActions[] = {{140, 52, 224, 70},   {140, 74, 224, 92},   {140, 96, 224, 114},
                                    {140, 118, 224, 136}, {140, 140, 224, 158}, {140, 162, 224, 180}};
inline constexpr Rect kProgramsLabel{232, 36, 372, 50};
inline constexpr Rect kPrograms{232, 52, 372, 100};
inline constexpr Rect kUnbind{232, 104, 300, 122};
inline constexpr Rect kBrowse{304, 104, 372, 122};
inline constexpr Rect kRunningDisplay{232, 126, 356, 142};
inline constexpr Rect kRunningSelector{232, 126, 372, 142};
inline constexpr Rect kRunningList{232, 144, 372, 240};
inline constexpr Rect kFullPathBox{232, 148, 246, 162};
inline constexpr Rect kFullPath{232, 146, 372, 164};
inline constexpr Rect kFullPathLabel{250, 147, 372, 163};
inline constexpr Rect kHotKeyLabel{232, 166, 372, 180};
inline constexpr Rect kHotKeyField{232, 181, 372, 197};
inline constexpr Rect kHotKeyNote{232, 199, 372, 242};
}  // namespace profiles_dialog

enum class Dialog { kFireKey, kHotKey, kMedia, kSingleKey, kSnipe, kWindowsKey, kSkins, kProfileName, kProfiles };
inline constexpr int kDialogCount = 9;

// The frame's buttons and the dialog's own controls, lists and prompts: everything of the
// dialog that must lie inside its background. Labels allowed to be clipped are left out.
std::span<const Rect> DialogRects(Dialog dialog);

}  // namespace qv::layout
