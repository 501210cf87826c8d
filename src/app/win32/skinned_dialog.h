#pragma once
// The frame every skinned sub-dialog is built on: the background that gives the window its
// size, OK, Cancel and close with their hover looks, the selector list's toggle, pick and
// hover selection, the control colours and the wheel. A dialog adds its controls, labels
// and result by overriding the hooks below.
#include <windows.h>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "app/win32/dialog.h"
#include "app/win32/dialog_controls_win32.h"
#include "app/win32/skin_accessible.h"
#include "common/win32/handles.h"
#include "common/win32/message_boxes_win32.h"
#include "keyassign/dialog_frame.h"
#include "keyassign/dialog_keys.h"
#include "keyassign/frame_looks.h"
#include "ui/canvas.h"
#include "ui/language.h"
#include "ui/win32/canvas_bitmap.h"
#include "ui/win32/skin_canvas.h"
#include "ui/win32/skin_fonts.h"
#include "ui/win32/skin_image_cache.h"
#include "ui/win32/window_scale.h"

namespace qv::win {

// What every sub-dialog takes from the main window when it opens.
struct SubDialogContext {
  std::u16string skinFolder;
  Language language = Language::English;
  Rgb textColour;
};

class CSkinnedDialog : public Dialog<CSkinnedDialog>, private AccessibleSource {
 public:
  CSkinnedDialog(const DialogFrame& frame, const SubDialogContext& context);
  // A dialog whose stops its own core lays out (the profiles' dialogs), not the key table.
  CSkinnedDialog(const DialogFrame& frame, const SubDialogContext& context, std::vector<DialogStop> stops);
  static std::span<const MessageEntry<CSkinnedDialog>> MessageTable();

  // Runs the dialog modally over `owner` and answers how it ended.
  DialogEnd Run(HWND owner) { return EndOfRun(DoModal(owner)); }

 protected:
  // After the background and the font: the dialog's own controls.
  virtual void InitOwnControls(DialogControls& controls) = 0;
  // A press at a client point: how the dialog ends, if it does.
  virtual DialogEnd OnPress(int x, int y, DialogControls& controls) = 0;
  // LBN_SELCHANGE or LBN_DBLCLK of the dialog's list.
  virtual void OnListPick(DialogControls& /*controls*/) {}
  // The pointer moved over a child list (before dispatch).
  virtual void TrackList(int /*listId*/, int /*item*/, DialogControls& /*controls*/) {}
  virtual std::span<const DialogLabel> Labels() const { return {}; }
  // The list the wheel scrolls; none for a dialog without wheel handling.
  virtual std::optional<int> WheelList() const { return std::nullopt; }
  // The fire key dialog's fields and list are dark.
  virtual bool DarkFields() const { return false; }
  // WM_CTLCOLOR* of a child control; the skins dialog colours its swatch.
  virtual ControlColours ColoursOf(ControlKind kind, int /*id*/) const { return SubDialogColours(kind, DarkFields()); }
  // Messages of the dialog's own that the frame does not handle.
  virtual MessageResult OnOwnMessage(UINT /*message*/, WPARAM, LPARAM) { return std::nullopt; }
  // A queued message for the dialog or a child that must not be dispatched at all.
  virtual bool SwallowsQueued(const MSG& /*msg*/) { return false; }
  // OK from the keyboard: true when the dialog had to show a value anew and stays open.
  virtual bool SettlesBeforeOk(DialogControls& /*controls*/) { return false; }
  // WM_DESTROY: the window ends, whichever way the run ended.
  virtual void OnWindowGone() {}
  // What a reader is told of a check box stop: whether it is ticked.
  virtual bool StopChecked(size_t /*stop*/) const { return false; }

  Win32DialogControls& Controls() { return controls_; }
  // The focus on OK, shown: where the single key dialog sends it once a key is taken.
  void FocusOk();
  // The stop the keyboard is on, and the focus put on a stop as Tab would.
  std::optional<int> FocusedStop() const { return StopOf(GetFocus()); }
  void FocusStop(int index);
  const SubDialogContext& Context() const { return context_; }
  Rgb Accent() const { return accent_; }  // the skin's, as the focus frame shows it
  HFONT Font() const { return fonts_.text.get(); }
  MessageBoxes& Boxes() { return messageBoxes_; }

 private:
  BOOL OnInitDialog() override;
  bool PreTranslateMessage(MSG& msg) override;
  void AfterQueuedMessage(const MSG& msg) override { announcer_.AfterMessage(hwnd(), *this, msg.message); }
  MessageResult OnUnlistedMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    return OnOwnMessage(message, wParam, lParam);
  }

  MessageResult OnEraseBackground(WPARAM, LPARAM);
  MessageResult OnLButtonDown(WPARAM, LPARAM);
  MessageResult OnMouseMove(WPARAM, LPARAM);
  MessageResult OnMouseHover(WPARAM, LPARAM);
  MessageResult OnMouseLeave(WPARAM, LPARAM);
  MessageResult OnMouseWheel(WPARAM, LPARAM);
  MessageResult OnListNotify(WPARAM, LPARAM);
  MessageResult OnDrawItem(WPARAM, LPARAM);
  MessageResult OnCtlColorStatic(WPARAM, LPARAM);
  MessageResult OnCtlColorListBox(WPARAM, LPARAM);
  MessageResult OnCtlColorEdit(WPARAM, LPARAM);
  MessageResult OnControlColour(ControlKind kind, WPARAM wParam, LPARAM lParam);
  HBRUSH BrushOf(Rgb colour);
  MessageResult OnDestroy(WPARAM, LPARAM);
  MessageResult OnDpiChanged(WPARAM, LPARAM);

  FrameLook Look() const;
  SkinPaintSources PaintSources();
  void TrackListUnderCursor();
  // The keyboard (skinned_dialog_keys.cpp).
  bool OnKey(const MSG& msg);
  bool OnListKey(HWND list, WPARAM key);
  bool OnStandingListKey(WPARAM key);
  void MoveFocus(bool back);
  void PressStop(int stop);
  void CloseOpenList();
  void EndFromPress(DialogEnd end);
  void ShowFocus();
  HWND OpenList() const;
  std::optional<int> FieldStopOf(HWND window) const;  // the stop of a field child
  std::optional<int> StopOf(HWND window) const;   // its field's stop, else the drawn one focused
  const FocusFrame* ShownFocus();
  // The screen reader.
  MessageResult OnGetObject(WPARAM, LPARAM);
  MessageResult OnAccessiblePress(WPARAM, LPARAM);
  std::u16string AccessibleName() override;
  std::vector<AccessibleControl> AccessibleControls() override;
  std::optional<int> FocusedControl() override { return StopOf(GetFocus()); }
  void PressControl(int index) override;
  void FocusControl(int index) override;

  const DialogFrame& frame_;
  SubDialogContext context_;
  CanvasBitmap canvas_;
  SkinFonts fonts_;
  SkinImageCache images_;
  Win32DialogControls controls_;
  Win32MessageBoxes messageBoxes_;
  FrameHover hover_;
  UniqueBrush brush_;  // the controls' background, made once, deleted when the dialog ends
  UniqueBrush ownBrush_;  // a control of another colour (the skins dialog's swatch)
  Rgb ownBrushColour_;
  DisplayScale scale_;  // of the dialog's own monitor
  std::vector<DialogStop> stops_;
  std::optional<int> focusStop_;  // shown only once the keyboard has been used
  FocusFrame focusFrame_;
  Rgb accent_;  // the skin's, for the focus frame
  WindowAccessible accessible_;
  ChangeAnnouncer announcer_;
};

}  // namespace qv::win
