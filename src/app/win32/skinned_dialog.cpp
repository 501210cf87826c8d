#include "app/win32/skinned_dialog.h"

#include <windowsx.h>

#include <utility>
#include "app/win32/list_keys_win32.h"
#include "config/skin_palette.h"
#include "config/win32/profile_store_win32.h"

#include "ui/win32/control_colours_win32.h"
#include "ui/win32/skin_accent.h"
#include "ui/win32/skinned_list.h"
#include "ui/win32/track_hover.h"
#include "ui/win32/window_place.h"

namespace qv::win {
namespace {

constexpr int kWheelLines = 3;

}  // namespace

CSkinnedDialog::CSkinnedDialog(const DialogFrame& frame, const SubDialogContext& context)
    : CSkinnedDialog(frame, context, DialogStops(frame.templateId)) {}

CSkinnedDialog::CSkinnedDialog(const DialogFrame& frame, const SubDialogContext& context, std::vector<DialogStop> stops)
    : Dialog(static_cast<UINT>(frame.templateId)), frame_(frame), context_(context), stops_(std::move(stops)) {}

std::span<const MessageEntry<CSkinnedDialog>> CSkinnedDialog::MessageTable() {
  using D = CSkinnedDialog;
  static constexpr MessageEntry<D> kTable[] = {
      On<D>(WM_ERASEBKGND, &D::OnEraseBackground),
      On<D>(WM_LBUTTONDOWN, &D::OnLButtonDown),
      // The dialog class counts a second press soon after the first as a double click; on
      // skinned buttons and arrows it is a second press, never a lost one.
      On<D>(WM_LBUTTONDBLCLK, &D::OnLButtonDown),
      On<D>(WM_MOUSEMOVE, &D::OnMouseMove),
      On<D>(WM_MOUSEHOVER, &D::OnMouseHover),
      On<D>(WM_MOUSELEAVE, &D::OnMouseLeave),
      On<D>(WM_MOUSEWHEEL, &D::OnMouseWheel),
      On<D>(WM_CTLCOLORSTATIC, &D::OnCtlColorStatic),
      On<D>(WM_CTLCOLORLISTBOX, &D::OnCtlColorListBox),
      On<D>(WM_CTLCOLOREDIT, &D::OnCtlColorEdit),
      OnCommand<D>(kAnyId, LBN_SELCHANGE, &D::OnListNotify),
      OnCommand<D>(kAnyId, LBN_DBLCLK, &D::OnListNotify),
      On<D>(WM_DRAWITEM, &D::OnDrawItem),
      On<D>(WM_DESTROY, &D::OnDestroy),
      On<D>(WM_DPICHANGED, &D::OnDpiChanged),
      On<D>(WM_GETOBJECT, &D::OnGetObject),
      On<D>(kAccessiblePressMessage, &D::OnAccessiblePress),
  };
  return kTable;
}

BOOL CSkinnedDialog::OnInitDialog() {
  messageBoxes_.SetOwner(hwnd());
  LeaveDpiChangesToTheDialog(hwnd());
  scale_ = ScaleOfWindow(hwnd());
  if (!LoadSkinBackground(hwnd(), context_.skinFolder, frame_.background, canvas_, scale_)) {
    const MessageBoxText failure = BackgroundFailure(frame_);
    messageBoxes_.Show(failure.text, failure.caption);
    EndDialog(IDCANCEL);
    return TRUE;
  }
  CentreOverOwner(hwnd());  // the empty template would leave it at the owner's corner
  fonts_ = CreateSkinFonts(context_.language, scale_);
  Win32ProfileStore skinIni;
  accent_ = SkinAccent(context_.skinFolder, SkinAccent(skinIni, context_.skinFolder), context_.textColour);
  brush_.reset(CreateSolidBrush(ToColorRef(kSubDialogDark)));
  controls_.SetOwner(hwnd());
  controls_.SetScale(scale_);
  controls_.SetListFont(fonts_.text.get());
  controls_.SetListAccent(accent_);
  InitOwnControls(controls_);
  announcer_.Announce(hwnd(), *this);  // what a reader finds at the start: later changes are told
  return TRUE;
}

FrameLook CSkinnedDialog::Look() const {
  return FrameLook{OkText(context_.language), CancelText(context_.language), context_.textColour,
                   frame_.title[context_.language], frame_.background};
}

SkinPaintSources CSkinnedDialog::PaintSources() {
  return SkinPaintSources{canvas_.get(), context_.skinFolder, &fonts_, &images_, &messageBoxes_, scale_,
                          ShownFocus()};
}

MessageResult CSkinnedDialog::OnEraseBackground(WPARAM wParam, LPARAM) {
  SkinCanvas canvas(hwnd(), reinterpret_cast<HDC>(wParam), PaintSources());
  PaintSkinnedDialog(canvas, Look(), Labels());
  return 1;
}

MessageResult CSkinnedDialog::OnLButtonDown(WPARAM, LPARAM lParam) {
  const SkinPoint at = PointerInSkin(lParam, scale_);
  EndFromPress(OnPress(at.x, at.y, controls_));
  return std::nullopt;
}

void CSkinnedDialog::EndFromPress(DialogEnd end) {
  switch (end) {
    case DialogEnd::Ok:
      EndDialog(IDOK);
      break;
    case DialogEnd::Cancel:
      EndDialog(IDCANCEL);
      break;
    case DialogEnd::None:
      break;
  }
}

MessageResult CSkinnedDialog::OnMouseMove(WPARAM, LPARAM lParam) {
  const SkinPoint at = PointerInSkin(lParam, scale_);
  const MoveAnswer answer = hover_.OnMove(at.x, at.y);
  if (answer == MoveAnswer::RestoreLooks || answer == MoveAnswer::RestoreAndTrack) OnMouseLeave(0, 0);
  if (answer == MoveAnswer::Track || answer == MoveAnswer::RestoreAndTrack) TrackHover(hwnd(), TME_LEAVE);
  return std::nullopt;
}

MessageResult CSkinnedDialog::OnMouseLeave(WPARAM, LPARAM) {
  if (!hover_.Any()) return std::nullopt;
  SkinCanvas canvas(hwnd(), PaintSources());
  hover_.RestoreNormal(canvas, Look());
  return std::nullopt;
}

MessageResult CSkinnedDialog::OnMouseHover(WPARAM, LPARAM lParam) {
  SkinCanvas canvas(hwnd(), PaintSources());
  const SkinPoint at = PointerInSkin(lParam, scale_);
  hover_.OnHover(at.x, at.y, canvas, Look());
  return std::nullopt;
}

MessageResult CSkinnedDialog::OnMouseWheel(WPARAM wParam, LPARAM) {
  const std::optional<int> listId = WheelList();
  HWND list = listId ? GetDlgItem(hwnd(), *listId) : nullptr;
  if (!list) return std::nullopt;
  const WPARAM direction = GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN;
  for (int line = 0; line < kWheelLines; ++line) SendMessageW(list, WM_VSCROLL, direction, 0);
  return std::nullopt;
}

MessageResult CSkinnedDialog::OnListNotify(WPARAM, LPARAM lParam) {
  if (lParam == 0) return std::nullopt;  // an accelerator's command, not a list's
  OnListPick(controls_);
  return 0;
}

MessageResult CSkinnedDialog::OnDrawItem(WPARAM, LPARAM lParam) {
  if (!DrawSkinnedListItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return std::nullopt;
  return TRUE;
}

MessageResult CSkinnedDialog::OnCtlColorStatic(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(ControlKind::Static, wParam, lParam);
}
MessageResult CSkinnedDialog::OnCtlColorListBox(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(ControlKind::ListBox, wParam, lParam);
}
MessageResult CSkinnedDialog::OnCtlColorEdit(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(ControlKind::Edit, wParam, lParam);
}

MessageResult CSkinnedDialog::OnControlColour(ControlKind kind, WPARAM wParam, LPARAM lParam) {
  const ControlColours colours = ColoursOf(kind, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
  if (!colours.brush || !brush_) return std::nullopt;
  ApplyControlColours(reinterpret_cast<HDC>(wParam), colours, fonts_);
  return reinterpret_cast<LRESULT>(BrushOf(*colours.brush));
}

HBRUSH CSkinnedDialog::BrushOf(Rgb colour) {
  if (colour == kSubDialogDark) return brush_.get();
  // Made again only when the colour changed; the previous one has done its paint.
  if (!ownBrush_ || ownBrushColour_ != colour) {
    ownBrush_.reset(CreateSolidBrush(ToColorRef(colour)));
    ownBrushColour_ = colour;
  }
  return ownBrush_.get();
}

MessageResult CSkinnedDialog::OnDestroy(WPARAM, LPARAM) {
  // The controls go with the window; nothing may still paint with the brush after this.
  brush_.reset();
  ownBrush_.reset();
  accessible_.Detach();
  OnWindowGone();
  return std::nullopt;
}

MessageResult CSkinnedDialog::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  // Dragged onto a monitor of another scale: the suggested place, then the background,
  // the font and the controls made again for it. The old font goes once the controls
  // have the new one.
  scale_ = TakeDpiChange(hwnd(), wParam, lParam);
  images_.Clear();
  LoadSkinBackground(hwnd(), context_.skinFolder, frame_.background, canvas_, scale_);
  SkinFonts old = std::exchange(fonts_, CreateSkinFonts(context_.language, scale_));
  controls_.Rescale(scale_, fonts_.text.get());
  InvalidateRect(hwnd(), nullptr, TRUE);
  return 0;
}

bool CSkinnedDialog::PreTranslateMessage(MSG& msg) {
  if (SwallowsQueued(msg)) return true;
  if (OnKey(msg)) return true;
  if (msg.message == WM_MOUSEMOVE) TrackListUnderCursor();
  return false;
}

void CSkinnedDialog::TrackListUnderCursor() {
  POINT cursor{};
  if (!GetCursorPos(&cursor)) return;
  HWND under = WindowFromPoint(cursor);
  if (!under || GetParent(under) != hwnd()) return;
  if (!IsListBox(under)) return;
  ScreenToClient(under, &cursor);
  const LRESULT hit = SendMessageW(under, LB_ITEMFROMPOINT, 0, MAKELPARAM(cursor.x, cursor.y));
  if (HIWORD(hit) != 0) return;  // outside every item
  TrackList(GetDlgCtrlID(under), LOWORD(hit), controls_);
}

}  // namespace qv::win
