#include "ui/layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qv::layout {
namespace {

std::string Str(const Rect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}

TEST(LayoutRect, EdgesFollowTheHitTestConvention) {
  // OK and Apply share the column x 666; the press dispatcher tests OK first.
  EXPECT_TRUE(kOkButton.Contains(666, 630));
  EXPECT_TRUE(kApplyButton.Contains(666, 630));
  EXPECT_FALSE(kOkButton.Contains(667, 630));
  EXPECT_TRUE(kOkButton.Contains(562, 623));
  EXPECT_FALSE(kOkButton.Contains(600, 644));
  EXPECT_FALSE(kOkButton.Contains(561, 630));
  EXPECT_TRUE(Rect({0, 0, 10, 10}).Contains(Rect{0, 0, 10, 10}));
  EXPECT_FALSE(Rect({0, 0, 10, 10}).Contains(Rect{0, 0, 11, 10}));
  EXPECT_FALSE(Rect({0, 0, 10, 10}).Intersects(Rect{10, 0, 20, 10}));
}

TEST(LayoutDpi, CellsStackUpwardsFromLevelOne) {
  EXPECT_EQ(DpiCell(1, 1), (Rect{554, 500, 570, 516}));
  EXPECT_EQ(DpiCell(4, 12), (Rect{635, 302, 651, 318}));
  EXPECT_EQ(DpiCell(2, 8), (Rect{581, 374, 597, 390}));  // top cell of the 8-level tables
  EXPECT_EQ(DpiLevelLabel(12, true), (Rect{494, 302, 544, 318}));
  EXPECT_EQ(DpiLevelLabel(1, false), (Rect{514, 500, 544, 516}));
  // Hit-test order: stage by stage, level 1..12 within a stage, and no two cells overlap.
  for (int i = 0; i < static_cast<int>(kDpiCells.size()); ++i) {
    EXPECT_EQ(kDpiCells[i], DpiCell(i / kDpiMaxLevels + 1, i % kDpiMaxLevels + 1));
    for (int j = i + 1; j < static_cast<int>(kDpiCells.size()); ++j)
      EXPECT_FALSE(kDpiCells[i].Intersects(kDpiCells[j])) << i << " " << j;
  }
  // The swatch and on/off box of a stage sit under its column.
  for (int s = 0; s < kDpiStageCount; ++s) {
    EXPECT_EQ(kDpiSwatches[s].left, kDpiColumnX[s]);
    EXPECT_EQ(kDpiStageBoxes[s].left, kDpiColumnX[s]);
    EXPECT_GT(kDpiSwatches[s].top, DpiCell(s + 1, 1).bottom);
  }
}

TEST(LayoutPage, ListsOpenDirectlyBelowTheirBoxes) {
  for (int i = 0; i < kKeyCount; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(kKeyLists[i].top, kKeyBoxes[i].bottom + 1);
    EXPECT_EQ(kKeyLists[i].left, kKeyBoxes[i].left);
    EXPECT_EQ(kKeyLists[i].right, kKeyBoxes[i].right);
    EXPECT_EQ(kKeyLists[i].Height(), kKeyLists[0].Height());
    if (i > 0) {
      EXPECT_EQ(kKeyBoxes[i].top, kKeyBoxes[i - 1].bottom + 2);
    }
    EXPECT_EQ(KeyDigitText(i).right, KeyNameText(i).left);
  }
  for (int i = 0; i < kLedBoxCount; ++i) {
    SCOPED_TRACE(i);
    // The value static is the box without its arrow; the label ends before the box.
    EXPECT_EQ(kLedValues[i].left, kLedBoxes[i].left);
    EXPECT_EQ(kLedValues[i].top, kLedBoxes[i].top);
    EXPECT_EQ(kLedValues[i].bottom, kLedBoxes[i].bottom);
    EXPECT_LT(kLedValues[i].right, kLedBoxes[i].right);
    EXPECT_EQ(kLedLabels[i].top, kLedBoxes[i].top);
    EXPECT_LT(kLedLabels[i].right, kLedBoxes[i].left);
  }
  EXPECT_GT(kLedModeList.top, kLedBoxes[0].bottom);
  EXPECT_GT(kLedParameterListNeon.top, kLedBoxes[1].bottom);
  EXPECT_GT(kLedEffectList.top, kLedBoxes[2].bottom);
}

TEST(LayoutPage, PressableElementsOverlapOnlyWhereButtonsShareAnEdge) {
  std::vector<std::pair<std::string, Rect>> pressable = {
      {"ok", kOkButton},         {"apply", kApplyButton}, {"cancel", kCancelButton}, {"skins", kSkinsButton},
      {"hide", kHideButton},     {"close", kCloseButton}, {"back", kBackButton},     {"web", kWebAddress},
      {"modeA", kModeAButton},   {"modeB", kModeBButton}, {"default", kDefaultButton}};
  for (int i = 0; i < kShownKeyCount; ++i) pressable.push_back({"key" + std::to_string(i + 1), kKeyBoxes[i]});
  for (int i = 0; i < kRateSegmentCount; ++i) pressable.push_back({"rate" + std::to_string(i + 1), kRateSegments[i]});
  for (int i = 0; i < kDpiStageCount; ++i) {
    pressable.push_back({"stage" + std::to_string(i + 1), kDpiStageBoxes[i]});
    pressable.push_back({"swatch" + std::to_string(i + 1), kDpiSwatches[i]});
  }
  for (int i = 0; i < kLedBoxCount; ++i) pressable.push_back({"led" + std::to_string(i + 1), kLedBoxes[i]});
  for (const Rect& cell : kDpiCells) pressable.push_back({"cell" + Str(cell), cell});

  const std::vector<std::pair<std::string, std::string>> shared = {
      {"ok", "apply"}, {"apply", "cancel"}, {"modeA", "modeB"}};
  for (size_t i = 0; i < pressable.size(); ++i)
    for (size_t j = i + 1; j < pressable.size(); ++j) {
      const auto& [a, ra] = pressable[i];
      const auto& [b, rb] = pressable[j];
      if (!ra.Intersects(rb)) continue;
      bool allowed = false;
      for (const auto& [x, y] : shared) allowed |= (a == x && b == y) || (a == y && b == x);
      EXPECT_TRUE(allowed) << a << Str(ra) << " overlaps " << b << Str(rb);
      if (allowed) {
        EXPECT_EQ(std::min(ra.right, rb.right) - std::max(ra.left, rb.left), 1) << a << " " << b;
      }
    }
}

TEST(LayoutDialogs, SelectorsHoldTheirDisplayAndOpenDownwards) {
  struct Selector {
    const char* dialog;
    Rect display, selector, list;
  };
  const Selector selectors[] = {
      {"fire", fire_dialog::kDisplay, fire_dialog::kSelector, fire_dialog::kList},
      {"hot key", hot_key_dialog::kDisplay, hot_key_dialog::kSelector, hot_key_dialog::kList},
      {"media", media_dialog::kDisplay, media_dialog::kSelector, media_dialog::kList},
      {"snipe", snipe_dialog::kDisplay, snipe_dialog::kSelector, snipe_dialog::kList},
      {"windows", windows_dialog::kDisplay, windows_dialog::kSelector, windows_dialog::kList},
      {"skins", skins_dialog::kDisplay, skins_dialog::kSelector, skins_dialog::kList},
  };
  for (const Selector& s : selectors) {
    SCOPED_TRACE(s.dialog);
    EXPECT_EQ(s.display.left, s.selector.left);
    EXPECT_EQ(s.display.top, s.selector.top);
    EXPECT_EQ(s.display.bottom, s.selector.bottom);
    EXPECT_LT(s.display.right, s.selector.right);  // room for the arrow
    EXPECT_EQ(s.list.left, s.selector.left);
    EXPECT_EQ(s.list.right, s.selector.right);
    EXPECT_EQ(s.list.top, s.selector.bottom + 2);
  }
  // The fire list covers the three fields, which is why they are removed while it is open.
  for (const Rect& field : {fire_dialog::kTimesField, fire_dialog::kMakeTimeField, fire_dialog::kBreakTimeField}) {
    EXPECT_TRUE(fire_dialog::kList.Contains(field)) << Str(field);
    EXPECT_FALSE(field.Intersects(fire_dialog::kSelector)) << Str(field);
  }
  // A dialog's own controls and lists never cover its close, OK or Cancel button.
  for (int d = 0; d < kDialogCount; ++d) {
    const auto rects = DialogRects(static_cast<Dialog>(d));
    ASSERT_GE(rects.size(), 5u) << d;
    EXPECT_EQ(rects[0], dialog::kClose);
    for (size_t i = 3; i < rects.size(); ++i)
      for (const Rect& button : {dialog::kClose, dialog::kOk, dialog::kCancel})
        EXPECT_FALSE(rects[i].Intersects(button)) << d << " " << Str(rects[i]) << " " << Str(button);
  }
}

}  // namespace
}  // namespace qv::layout
