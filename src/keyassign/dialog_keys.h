#pragma once
// The keyboard in a skinned sub-dialog: Tab walks its stops (the selector, the fire key
// dialog's fields, the skins dialog's swatch, the single key dialog's key field, OK,
// Cancel), Space presses the focused one, Enter is OK and Esc Cancel; an open list takes
// Esc first. The single key dialog's field takes the next key pressed, whichever it is, and
// hands the focus to OK; Space or Enter on the field takes a key again.
#include <cstdint>
#include <optional>
#include <vector>

#include "keyassign/frame_looks.h"
#include "ui/layout.h"
#include "ui/page_access.h"

namespace qv {

struct DialogStop {
  layout::Rect rect;           // what the focus frame surrounds; a press lands in its middle
  std::optional<int> childId;  // a field: the focus goes to the child window itself
  bool opensList = false;      // the selector: its list takes the arrows once open
  bool capturesKey = false;    // the single key dialog's field: Space and Enter take a key again
  std::u16string name = {};    // what a reader calls it; empty: the label beside or above it
  std::optional<ControlRole> role = std::nullopt;  // none: as its kind above says
};

// The stops of the dialog made from template `templateId`, in Tab order; none for a
// dialog the keyboard does not walk.
std::vector<DialogStop> DialogStops(int templateId);

// What a screen reader finds in the dialog: its stops, named by their own name or else by
// the label beside or above them (a selector without one by the dialog's title) with what each shows as its value
// (`values`, one per stop: the choice, the number typed, the key taken), OK and Cancel by
// their texts, then the close button. A dialog without stops still has OK and Cancel.
std::vector<AccessibleControl> DialogReadingOrder(const std::vector<DialogStop>& stops,
                                                  std::span<const DialogLabel> labels, Language language,
                                                  std::u16string_view title, std::span<const std::u16string> values);

// The stop after (or before, with Shift) `current` among `count`, skipping those `usable`
// refuses (a field hidden under the open list); none when no stop is usable.
template <typename Usable>
std::optional<int> NextStop(std::optional<int> current, int count, bool shift, Usable usable) {
  for (int step = 1; step <= count; ++step) {
    const int from = current ? *current : (shift ? 0 : count - 1);
    const int to = (((from + (shift ? -step : step)) % count) + count) % count;
    if (usable(to)) return to;
  }
  return std::nullopt;
}

}  // namespace qv
