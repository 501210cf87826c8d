#pragma once
// The page's child windows as the core sees them: statics and list boxes. The Win32 layer
// implements it on the main window; tests record the calls.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "ui/layout.h"

namespace qv {

// Control ids of the page's child windows.
inline constexpr int kDpiSubListId = 40;
inline constexpr int kFirstKeyListId = 41;  // key list i = 1..8 is 40 + i
inline constexpr int kFirstSwatchId = 71;   // colour swatch of stage s = 1..4 is 70 + s
inline constexpr int kLedModeStaticId = 80;
inline constexpr int kLedParameterStaticId = 81;
inline constexpr int kLedEffectStaticId = 82;
inline constexpr int kFirstLedListId = 60;  // mode 60, parameter 61, effect 62

// The entry a stored value stands for in a list of `count` entries; none outside it.
constexpr std::optional<int> EntryOf(int value, int count) {
  return value >= 0 && value < count ? std::optional<int>(value) : std::nullopt;
}

constexpr int KeyListId(int key) { return kDpiSubListId + key; }
constexpr int SwatchId(int stage) { return kFirstSwatchId + stage - 1; }
constexpr int LedStaticId(int box) { return kLedModeStaticId + box; }  // box 0..2
constexpr int LedListId(int box) { return kFirstLedListId + box; }     // box 0..2

// WS_CHILD | WS_VISIBLE | SS_CENTER, plus SS_CENTERIMAGE (Value) or SS_SUNKEN (Sunken);
// a sub-dialog's display of a name is SS_SUNKEN with its text on the left (Display) or
// centred (CentredDisplay), on one line that ends a name too long for it in an ellipsis.
enum class StaticStyle { Swatch, Value, Sunken, Display, CentredDisplay };

class PageControls {
 public:
  virtual ~PageControls() = default;
  virtual void CreateStatic(int id, const layout::Rect& rect, StaticStyle style, std::u16string_view text) = 0;
  // SetDlgItemText, then invalidate the control so it repaints.
  virtual void SetText(int id, std::u16string_view text) = 0;
  // Repaint through WM_CTLCOLOR, as a swatch needs after its colour changed.
  virtual void Invalidate(int id) = 0;
  virtual void Destroy(int id) = 0;
  virtual bool Exists(int id) const = 0;

  // A list box (WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOTIFY, the page's list colours)
  // holding `items` in order, with the entry of the current choice marked (none: no mark).
  // A list whose entries do not all fit shows a scroll bar.
  virtual void CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                          std::optional<int> current) = 0;
  // LB_GETCURSEL of list `id`: none when it has no selection (LB_ERR) or does not exist.
  virtual std::optional<int> Selection(int id) const = 0;
};

}  // namespace qv
