#pragma once
// A sub-dialog's child windows as the core sees them: the selection display and the
// drop-down list. The Win32 frame implements it on the dialog; tests record the calls.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/layout.h"

namespace qv {

class DialogControls {
 public:
  virtual ~DialogControls() = default;
  // A static, WS_CHILD | WS_VISIBLE | SS_SUNKEN, left-aligned text on one line ending in an
  // ellipsis when it does not fit (SS_ENDELLIPSIS).
  virtual void CreateDisplay(int id, const layout::Rect& rect, std::u16string_view text) = 0;
  // The same with its text centred (SS_CENTER | SS_SUNKEN | SS_ENDELLIPSIS).
  virtual void CreateCentredDisplay(int id, const layout::Rect& rect, std::u16string_view text) = 0;
  // A colour swatch: a static without text, WS_CHILD | WS_VISIBLE | SS_CENTER, coloured at
  // WM_CTLCOLORSTATIC.
  virtual void CreateSwatch(int id, const layout::Rect& rect) = 0;
  // An edit field for a number: WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_CENTER.
  virtual void CreateNumberField(int id, const layout::Rect& rect, std::u16string_view text) = 0;
  // An edit field for a line of text, at most `limit` characters, scrolling sideways:
  // WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL.
  virtual void CreateTextField(int id, const layout::Rect& rect, std::u16string_view text, int limit) = 0;
  // GetDlgItemText: what a field holds (empty for a control that does not exist).
  virtual std::u16string TextOf(int id) const = 0;
  // Repaints a control (erasing its background).
  virtual void Invalidate(int id) = 0;
  // SetDlgItemText, then invalidate the control so it repaints.
  virtual void SetText(int id, std::u16string_view text) = 0;
  // A list box, WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, holding `items` in order,
  // with the entry of the current choice marked; a scroll bar when they do not all fit.
  virtual void CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                          std::optional<int> current) = 0;
  // A list that stays, as tall as `rect` in whole rows whatever it holds, nothing marked.
  virtual void CreateStandingList(int id, const layout::Rect& rect, std::span<const std::u16string> items) = 0;
  virtual void Destroy(int id) = 0;
  virtual bool Exists(int id) const = 0;
  // LB_GETCURSEL: none when nothing is selected (LB_ERR) or the list does not exist.
  virtual std::optional<int> Selection(int id) const = 0;
  // LB_SETCURSEL: highlights an item without picking it.
  virtual void Select(int id, int item) = 0;
};

}  // namespace qv
