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

void DrawTextButton(Canvas& canvas, const layout::Rect& rect, std::u16string_view image, std::u16string_view text,
                    Rgb colour) {
  canvas.DrawImage(image, rect.left, rect.top);
  canvas.DrawText(text, rect, TextFormat::Centred, FontRole::Text, colour);
}

std::optional<FrameButton> ButtonAt(int x, int y) {
  if (frame::kClose.Contains(x, y)) return FrameButton::Close;
  if (frame::kOk.Contains(x, y)) return FrameButton::Ok;
  if (frame::kCancel.Contains(x, y)) return FrameButton::Cancel;
  return std::nullopt;
}

}  // namespace

void PaintSkinnedDialog(Canvas& canvas, const FrameLook& look, std::span<const DialogLabel> labels) {
  canvas.DrawText(look.title, frame::kTitle, TextFormat::Centred, FontRole::Title, kTitlePlateText);
  DrawTextButton(canvas, frame::kOk, kButtonNormal, look.okText, look.textColour);
  DrawTextButton(canvas, frame::kCancel, kButtonNormal, look.cancelText, look.textColour);
  for (const DialogLabel& label : labels) {
    canvas.DrawText(label.text, label.rect, label.format, FontRole::Text, label.colour.value_or(look.textColour));
  }
  canvas.DrawImage(kCloseNormal, frame::kClose.left, frame::kClose.top);
}

MoveAnswer FrameHover::OnMove(int x, int y) const {
  if (ButtonAt(x, y)) return MoveAnswer::Track;
  return ok_ || cancel_ || close_ ? MoveAnswer::RestoreLooks : MoveAnswer::Nothing;
}

void FrameHover::RestoreNormal(Canvas& canvas, const FrameLook& look) {
  if (close_) canvas.DrawImage(kCloseNormal, frame::kClose.left, frame::kClose.top);
  if (ok_) DrawTextButton(canvas, frame::kOk, kButtonNormal, look.okText, look.textColour);
  if (cancel_) DrawTextButton(canvas, frame::kCancel, kButtonNormal, look.cancelText, look.textColour);
  ok_ = cancel_ = close_ = false;
}

void FrameHover::OnHover(int x, int y, Canvas& canvas, const FrameLook& look) {
  const std::optional<FrameButton> button = ButtonAt(x, y);
  if (!button) return;
  switch (*button) {
    case FrameButton::Close:
      canvas.DrawImage(kCloseOver, frame::kClose.left, frame::kClose.top);
      close_ = true;
      return;
    case FrameButton::Ok:
      DrawTextButton(canvas, frame::kOk, kButtonOver, look.okText, look.textColour);
      ok_ = true;
      if (cancel_) DrawTextButton(canvas, frame::kCancel, kButtonNormal, look.cancelText, look.textColour);
      cancel_ = false;
      return;
    case FrameButton::Cancel:
      DrawTextButton(canvas, frame::kCancel, kButtonOver, look.cancelText, look.textColour);
      cancel_ = true;
      if (ok_) DrawTextButton(canvas, frame::kOk, kButtonNormal, look.okText, look.textColour);
      ok_ = false;
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
