#include "keyassign/frame_looks.h"

namespace qv {
namespace {

namespace frame = layout::dialog;

constexpr std::u16string_view kButtonNormal = u"/button-normal.png";
constexpr std::u16string_view kButtonOver = u"/button-over.png";
constexpr std::u16string_view kCloseNormal = u"/button-close-normal.png";
constexpr std::u16string_view kCloseOver = u"/button-close-over.png";
constexpr Rgb kWhite{0xFF, 0xFF, 0xFF};
constexpr Rgb kDark = kSubDialogDark;

void DrawBackgroundUnder(Canvas& canvas, const FrameLook& look, const layout::Rect& rect) {
  if (!look.background.empty()) canvas.DrawImagePart(look.background, 0, 0, rect);
}

void DrawTextButton(Canvas& canvas, const FrameLook& look, const layout::Rect& rect, std::u16string_view image,
                    std::u16string_view text) {
  DrawBackgroundUnder(canvas, look, rect);
  canvas.DrawImage(image, rect.left, rect.top);
  canvas.DrawText(text, rect, TextFormat::Centred, FontRole::Text, look.textColour);
}

void DrawClose(Canvas& canvas, const FrameLook& look, std::u16string_view image) {
  DrawBackgroundUnder(canvas, look, frame::kClose);
  canvas.DrawImage(image, frame::kClose.left, frame::kClose.top);
}

std::optional<FrameButton> ButtonAt(int x, int y) {
  if (frame::kClose.Contains(x, y)) return FrameButton::Close;
  if (frame::kOk.Contains(x, y)) return FrameButton::Ok;
  if (frame::kCancel.Contains(x, y)) return FrameButton::Cancel;
  return std::nullopt;
}

}  // namespace

void PaintSkinnedDialog(Canvas& canvas, const FrameLook& look, std::span<const DialogLabel> labels) {
  if (!look.background.empty()) canvas.DrawImage(look.background, 0, 0);
  canvas.DrawText(look.title, frame::kTitle, TextFormat::Centred, FontRole::Title, kTitlePlateText);
  DrawTextButton(canvas, look, frame::kOk, kButtonNormal, look.okText);
  DrawTextButton(canvas, look, frame::kCancel, kButtonNormal, look.cancelText);
  for (const DialogLabel& label : labels) {
    canvas.DrawText(label.text, label.rect, label.format, FontRole::Text, label.colour.value_or(look.textColour));
  }
  DrawClose(canvas, look, kCloseNormal);
}

MoveAnswer FrameHover::OnMove(int x, int y) const {
  const std::optional<FrameButton> over = ButtonAt(x, y);
  const bool others = (ok_ && over != FrameButton::Ok) || (cancel_ && over != FrameButton::Cancel) ||
                      (close_ && over != FrameButton::Close);
  if (!others) return over ? MoveAnswer::Track : MoveAnswer::Nothing;
  return over ? MoveAnswer::RestoreAndTrack : MoveAnswer::RestoreLooks;
}

void FrameHover::RestoreNormal(Canvas& canvas, const FrameLook& look) {
  if (close_) DrawClose(canvas, look, kCloseNormal);
  if (ok_) DrawTextButton(canvas, look, frame::kOk, kButtonNormal, look.okText);
  if (cancel_) DrawTextButton(canvas, look, frame::kCancel, kButtonNormal, look.cancelText);
  ok_ = cancel_ = close_ = false;
}

void FrameHover::OnHover(int x, int y, Canvas& canvas, const FrameLook& look) {
  const std::optional<FrameButton> button = ButtonAt(x, y);
  if (!button) return;
  RestoreNormal(canvas, look);  // OK and Cancel share a pixel column: the hovered look wins it
  switch (*button) {
    case FrameButton::Close:
      DrawClose(canvas, look, kCloseOver);
      close_ = true;
      return;
    case FrameButton::Ok:
      DrawTextButton(canvas, look, frame::kOk, kButtonOver, look.okText);
      ok_ = true;
      return;
    case FrameButton::Cancel:
      DrawTextButton(canvas, look, frame::kCancel, kButtonOver, look.cancelText);
      cancel_ = true;
      return;
  }
}

bool FrameHover::Hovered(FrameButton button) const {
  switch (button) {
    case FrameButton::Ok: return ok_;
    case FrameButton::Cancel: return cancel_;
    case FrameButton::Close: return close_;
  }
  return false;
}

ControlColours SubDialogColours(ControlKind kind, bool darkFields) {
  ControlColours colours;
  switch (kind) {
    case ControlKind::Static:
      break;
    case ControlKind::ListBox:
      // A list box fills each entry with the background colour whatever the background
      // mode; left white, the white entries vanish in a white box.
      colours.background = kDark;
      break;
    case ControlKind::Edit:
      if (!darkFields) return colours;
      colours.background = kDark;
      break;
    default:
      return colours;
  }
  colours.text = kWhite;
  colours.transparent = true;
  colours.font = FontRole::Text;
  colours.brush = kDark;
  return colours;
}

}  // namespace qv
