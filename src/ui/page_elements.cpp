#include "ui/page_elements.h"

#include <array>

#include "ui/key_names.h"
#include "ui/page_images.h"

namespace qv {
namespace {

struct ButtonLook {
  layout::Rect rect;
  std::u16string_view normal;
  std::u16string_view over;
  int textSlot;  // 0: an image without text
};

// Indexed by HoverItem up to the key boxes.
constexpr std::array<ButtonLook, kHoverFirstKeyBox> kButtons = {{
    {layout::kOkButton, image::kButtonNormal, image::kButtonOver, kSlotOk},
    {layout::kApplyButton, image::kButtonNormal, image::kButtonOver, kSlotApply},
    {layout::kCancelButton, image::kButtonNormal, image::kButtonOver, kSlotCancel},
    {layout::kSkinsButton, image::kSkinsNormal, image::kSkinsOver, 0},
    {layout::kHideButton, image::kHideNormal, image::kHideOver, 0},
    {layout::kCloseButton, image::kCloseNormal, image::kCloseOver, 0},
    {layout::kBackButton, image::kBackNormal, image::kBackOver, 0},
    {layout::kDefaultButton, image::kButtonNormal, image::kButtonOver, kSlotDefault},
}};

constexpr LanguageText kModeA{u"Mode A", u"模式A", u"模式A"};
constexpr LanguageText kModeB{u"Mode B", u"模式B", u"模式B"};

constexpr std::u16string_view kDigits[] = {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8"};

void DrawImageAt(Canvas& canvas, std::u16string_view name, const layout::Rect& rect) {
  canvas.DrawImage(name, rect.left, rect.top);
}

// What lies under an element: the page, or the screen shown without a mouse.
void DrawBackgroundUnder(Canvas& canvas, const Page& page, const layout::Rect& rect) {
  canvas.DrawImagePart(page.session.state == PageState::Shown ? image::kPage : image::kConnect, 0, 0, rect);
}

}  // namespace

void DrawPageText(Canvas& canvas, const Page& page, std::u16string_view text, const layout::Rect& rect,
                  TextFormat format) {
  canvas.DrawText(text, rect, format, FontRole::Text, page.textColour);
}

const layout::Rect& ButtonRect(HoverItem button) { return kButtons[static_cast<size_t>(button)].rect; }

void DrawButtonImage(Canvas& canvas, HoverItem button, bool over) {
  const ButtonLook& look = kButtons[static_cast<size_t>(button)];
  DrawImageAt(canvas, over ? look.over : look.normal, look.rect);
}

void DrawButton(Canvas& canvas, const Page& page, HoverItem button, bool over) {
  DrawBackgroundUnder(canvas, page, ButtonRect(button));
  DrawButtonImage(canvas, button, over);
  const ButtonLook& look = kButtons[static_cast<size_t>(button)];
  if (look.textSlot != 0) DrawPageText(canvas, page, Text(page.language, look.textSlot), look.rect, TextFormat::Centred);
}

void DrawKeyBox(Canvas& canvas, const Page& page, int key, bool over) {
  DrawBackgroundUnder(canvas, page, layout::kKeyBoxes[key - 1]);
  DrawImageAt(canvas, over ? image::kKeyBoxOver : image::kKeyBoxNormal, layout::kKeyBoxes[key - 1]);
  DrawKeyBoxTexts(canvas, page, key);
}

void DrawKeyBoxTexts(Canvas& canvas, const Page& page, int key) {
  const int index = key - 1;
  DrawPageText(canvas, page, kDigits[index], layout::KeyDigitText(index), TextFormat::Left);
  DrawPageText(canvas, page, KeyName(page.keyNames, page.record.ShownMode(), key), layout::KeyNameText(index),
               TextFormat::Left);
}

std::u16string_view ModeButtonText(Language language, KeyMode mode) {
  return mode == KeyMode::B ? kModeB[language] : kModeA[language];
}

void DrawModeButtons(Canvas& canvas, const Page& page) {
  const bool modeB = page.record.ShownMode() == KeyMode::B;
  DrawImageAt(canvas, modeB ? image::kButtonNormal : image::kButtonOver, layout::kModeAButton);
  DrawPageText(canvas, page, ModeButtonText(page.language, KeyMode::A), layout::kModeAButton, TextFormat::Centred);
  DrawImageAt(canvas, modeB ? image::kButtonOver : image::kButtonNormal, layout::kModeBButton);
  DrawPageText(canvas, page, ModeButtonText(page.language, KeyMode::B), layout::kModeBButton, TextFormat::Centred);
}

int RateSegmentOf(uint8_t code) {
  switch (code) {
    case kRate125Hz: return 1;
    case kRate250Hz: return 2;
    case kRate500Hz: return 3;
    default: return 4;  // 1000 Hz, and any code storage should not hold
  }
}

void DrawRateSegment(Canvas& canvas, int segment, bool light) {
  DrawImageAt(canvas, light ? image::kRateLight : image::kRateDark, layout::kRateSegments[segment - 1]);
}

void DrawStageBox(Canvas& canvas, int stage, bool on) {
  DrawImageAt(canvas, on ? image::kStageOn : image::kStageOff, layout::kDpiStageBoxes[stage - 1]);
}

void DrawDpiColumn(Canvas& canvas, int stage, int lit, int levelCount) {
  // Walks the column, not the lit count: a damaged level index cannot draw above it.
  for (int level = 1; level <= levelCount; ++level) {
    DrawImageAt(canvas, level <= lit ? image::kDpiLight : image::kDpiDark, layout::DpiCell(stage, level));
  }
}

int LitCells(const UiRecord& record, int stage) {
  return record.StageEnabled(stage) == 1 ? record.DpiIndex(stage) + 1 : 0;
}

}  // namespace qv
