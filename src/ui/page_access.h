#pragma once
// The page's controls as a keyboard and a screen reader meet them: one list in reading
// order, each control with where it is, what it is called in the language shown, what it is,
// its state and what pressing it does. Tab walks this list; MSAA reads it; a press of a
// control is the press of a pointer on it, so both go through DispatchPress.
#include <optional>
#include <string>
#include <vector>

#include "ui/layout.h"
#include "ui/page_session.h"
#include "ui/press.h"

namespace qv {

enum class ControlRole { PushButton, DropDown, RadioButton, Slider, CheckBox, Link, Text, KeyField, List };

enum class PageControlKind {
  Skins, Hide, Close, KeyBox, ModeA, ModeB, Default, RateSegment,
  DpiColumn, DpiColour, DpiSwitch, LedBox, Guide, Ok, Apply, Cancel, Other,
};

struct AccessibleControl {
  PageControlKind kind = PageControlKind::Other;  // a sub-dialog's controls are Other
  int index = 0;        // key 1..4, segment 1..4, stage 1..4, LED box 0..2
  layout::Rect rect;    // what the focus rectangle surrounds
  int pressX = 0;       // where a press of the control lands
  int pressY = 0;
  std::u16string name;  // "Key 2: Multimedia-Vol+", "Stage 3, 1600 DPI, on", "Apply"
  ControlRole role = ControlRole::PushButton;
  bool selected = false;   // the rate shown, the mode shown
  bool checked = false;    // a stage that is on
  std::u16string value;    // a DPI column's "1600 DPI", a drop-down's choice, a field's number
  std::u16string action;   // the default action: "Press", "Open", ...
};

// The page's controls in reading order: title bar buttons, key boxes 1..4, Mode A and B,
// Default, the rate segments, each stage's column, colour and switch, the three lighting
// boxes, the guide, OK, Apply, Cancel. Empty while the page is not shown.
std::vector<AccessibleControl> PageReadingOrder(const Page& page);

// What a press of the control does: the pointer's press at its press point.
std::vector<PressAction> PressOf(const Page& page, const AccessibleControl& control);

// The page window's own accessible name in the language shown.
std::u16string PageAccessibleName(Language language);

// A control of a skinned window: its rectangle, name and role, pressed in its middle, with
// the default action its role has ("Open" a drop-down, "Press" the rest).
AccessibleControl NamedControl(const layout::Rect& rect, std::u16string name, ControlRole role, Language language);
// The name of a window's close button.
std::u16string CloseName(Language language);

// What a reader must be told after the controls changed: per control, whether its name,
// its value or its state (selected, checked) is not what it was. Lists of another length
// (a page built or taken down) are a new set of controls, told by none of these.
struct AccessibleChange {
  int index = 0;
  bool name = false;
  bool value = false;
  bool state = false;
};
std::vector<AccessibleChange> ChangesBetween(const std::vector<AccessibleControl>& before,
                                             const std::vector<AccessibleControl>& after);

}  // namespace qv
