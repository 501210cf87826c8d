#include "ui/page_painter.h"

#include <span>
#include <string_view>

#include "model/dpi_tables.h"
#include "ui/key_names.h"
#include "ui/led_texts.h"
#include "ui/page_elements.h"
#include "ui/page_images.h"

namespace qv {
namespace {

using layout::Rect;

struct PageLabel {
  int slot;  // a language text, or 0 for the fixed text
  LanguageText fixed;
  Rect rect;
  TextFormat format;
};

constexpr PageLabel kLabelsBeforeKeys[] = {
    {kSlotKeySetting, {u"", u"", u""}, layout::kKeyAreaLabel, TextFormat::Centred},
    {kSlotReportRateSetting, {u"", u"", u""}, layout::kRateLabel, TextFormat::Centred},
    {kSlotDpiSetting, {u"", u"", u""}, layout::kDpiLabel, TextFormat::Centred},
    {kSlotDpiEffect, {u"", u"", u""}, layout::kLedAreaLabel, TextFormat::Centred},
    {kSlotWebAddress, {u"", u"", u""}, layout::kWebAddress, TextFormat::Centred},
    {kSlotOk, {u"", u"", u""}, layout::kOkButton, TextFormat::Centred},
    {kSlotApply, {u"", u"", u""}, layout::kApplyButton, TextFormat::Centred},
    {kSlotCancel, {u"", u"", u""}, layout::kCancelButton, TextFormat::Centred},
    {kSlotDefault, {u"", u"", u""}, layout::kDefaultButton, TextFormat::Centred},
};

constexpr PageLabel kLabelsAfterModes[] = {
    {0, {u"125", u"125", u"125"}, layout::RateValueText(0), TextFormat::TopCentred},
    {0, {u"250", u"250", u"250"}, layout::RateValueText(1), TextFormat::TopCentred},
    {0, {u"500", u"500", u"500"}, layout::RateValueText(2), TextFormat::TopCentred},
    {0, {u"1000", u"1000", u"1000"}, layout::RateValueText(3), TextFormat::TopCentred},
    {0, {u"Color", u"颜色", u"顏色"}, layout::kDpiColorLabel, TextFormat::Right},
    {0, {u"Select", u"选择", u"選擇"}, layout::kDpiSelectLabel, TextFormat::Right},
    {kSlotMode, {u"", u"", u""}, layout::kLedLabels[0], TextFormat::Right},
    {kSlotParameter, {u"", u"", u""}, layout::kLedLabels[1], TextFormat::Right},
    {kSlotEffect, {u"", u"", u""}, layout::kLedLabels[2], TextFormat::Right},
    {0, {u"1", u"1", u"1"}, layout::StageDigitText(0), TextFormat::TopCentred},
    {0, {u"2", u"2", u"2"}, layout::StageDigitText(1), TextFormat::TopCentred},
    {0, {u"3", u"3", u"3"}, layout::StageDigitText(2), TextFormat::TopCentred},
    {0, {u"4", u"4", u"4"}, layout::StageDigitText(3), TextFormat::TopCentred},
    {0, {u"1", u"1", u"1"}, layout::kKeyMapNumbers[0], TextFormat::Centred},
    {0, {u"2", u"2", u"2"}, layout::kKeyMapNumbers[1], TextFormat::Centred},
    {0, {u"3", u"3", u"3"}, layout::kKeyMapNumbers[2], TextFormat::Centred},
    {0, {u"4", u"4", u"4"}, layout::kKeyMapNumbers[3], TextFormat::Centred},
};

// Drawn at step 4 in this order; then the key boxes and the dark rate segments.
constexpr HoverItem kButtonsInPaintOrder[] = {kHoverSkins, kHoverHide,    kHoverClose, kHoverOk,
                                              kHoverApply, kHoverCancel, kHoverDefault, kHoverBack};

void DrawLabels(Canvas& canvas, const Page& page, std::span<const PageLabel> labels) {
  for (const PageLabel& label : labels) {
    const std::u16string_view text = label.slot != 0 ? Text(page.language, label.slot) : label.fixed[page.language];
    DrawPageText(canvas, page, text, label.rect, label.format);
  }
}

void DrawPageImages(Canvas& canvas) {
  canvas.DrawImage(image::kPage, 0, 0);
  for (HoverItem button : kButtonsInPaintOrder) {
    DrawButtonImage(canvas, button, false);  // the texts come with the page's texts
  }
  for (int key = 1; key <= layout::kShownKeyCount; ++key) {
    const Rect& box = layout::kKeyBoxes[key - 1];
    canvas.DrawImage(image::kKeyBoxNormal, box.left, box.top);
  }
  for (int segment = 1; segment <= layout::kRateSegmentCount; ++segment) DrawRateSegment(canvas, segment, false);
}

void DrawPageTexts(Canvas& canvas, const Page& page) {
  canvas.DrawText(Text(page.language, kSlotBasicSettings), layout::kPageTitle, TextFormat::Centred, FontRole::Title,
                  kTitlePlateText);
  DrawLabels(canvas, page, kLabelsBeforeKeys);
  for (int key = 1; key <= layout::kShownKeyCount; ++key) DrawKeyBoxTexts(canvas, page, key);
  DrawModeButtons(canvas, page);
  DrawLabels(canvas, page, kLabelsAfterModes);
}

void DrawDpiLevelLabels(Canvas& canvas, const Page& page, int levelCount) {
  const bool wide = page.dpiSelector >= 1 && page.dpiSelector <= 3;
  for (int level = 1; level <= levelCount; ++level) {
    DrawPageText(canvas, page, DpiValueText(page.dpiSelector, level - 1), layout::DpiLevelLabel(level, wide),
                 TextFormat::Right);
  }
}

void CreateLedStatics(const Page& page, PageControls& controls) {
  const LedTexts texts = LedStaticTexts(page.record, page.language);
  controls.CreateStatic(kLedModeStaticId, layout::kLedValues[0], StaticStyle::Value, texts.mode);
  // Made for every mode, also one the lists do not offer (empty then, and flat like the
  // mode's own box: a sunken frame would stay white once Standard or Neon is chosen): a
  // later choice sets their texts, and a static that does not exist would show nothing.
  controls.CreateStatic(kLedParameterStaticId, layout::kLedValues[1], StaticStyle::Value, texts.parameter);
  controls.CreateStatic(kLedEffectStaticId, layout::kLedValues[2], StaticStyle::Value, texts.effect);
}

void CreatePageStatics(Page& page, Canvas& canvas, PageControls& controls) {
  for (int stage = 1; stage <= kStageCount; ++stage) {
    controls.CreateStatic(SwatchId(stage), layout::kDpiSwatches[stage - 1], StaticStyle::Swatch, u"");
  }
  page.session.dpiLevelCount = DpiLevelCount(page.dpiSelector);
  DrawDpiLevelLabels(canvas, page, page.session.dpiLevelCount);
  CreateLedStatics(page, controls);
}

}  // namespace

PaintResult PaintMainPage(Page& page, Canvas& canvas, PageControls& controls) {
  if (page.session.state == PageState::Shown) return {};
  page.session.state = PageState::Shown;
  const PaintResult result{true};
  if (page.hasCanvasBitmap) {
    DrawPageImages(canvas);
    DrawPageTexts(canvas, page);
  }
  if (!controls.Exists(kLedModeStaticId)) CreatePageStatics(page, canvas, controls);
  DrawRateSegment(canvas, RateSegmentOf(page.record[uirec::kReportRate]), true);
  for (int stage = 1; stage <= kStageCount; ++stage) {
    DrawStageBox(canvas, stage, page.record.StageEnabled(stage) == 1);
    DrawDpiColumn(canvas, stage, LitCells(page.record, stage),
                  page.session.dpiLevelCount);
  }
  return result;
}

void TearDownPageControls(PageSession& session, PageControls& controls) {
  if (session.state != PageState::Rebuilding || !controls.Exists(kLedModeStaticId)) return;
  auto destroy = [&controls](int id) {
    if (controls.Exists(id)) controls.Destroy(id);
  };
  for (int stage = 1; stage <= kStageCount; ++stage) destroy(SwatchId(stage));
  for (int box = 0; box < layout::kLedBoxCount; ++box) destroy(LedStaticId(box));
  for (int key = 1; key <= layout::kKeyCount; ++key) destroy(KeyListId(key));
  for (int box = 0; box < layout::kLedBoxCount; ++box) destroy(LedListId(box));
  session.openLists = {};
}

}  // namespace qv
