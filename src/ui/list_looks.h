#pragma once
// How the drop-down lists draw themselves, on the page and in the sub-dialogs: the entry
// under the pointer (or picked from the keyboard) on a fill of the skin's accent, the
// current choice with an accent bar, and a scroll bar in the skin's colours once the
// entries do not all fit. The Win32 layer paints what these answer.
#include <optional>

#include "ui/canvas.h"

namespace qv {

// A list's colours: its background and text (the window's list colours) and the skin's
// accent.
struct ListColours {
  Rgb background;
  Rgb text;
  Rgb accent;
};

// The skin's accent as a list shows it: a dark accent (Frost's blue) on a black list would
// not be seen, so it is lightened towards the text colour until it stands out.
Rgb ListAccent(Rgb background, Rgb text, Rgb accent);

struct RowLook {
  Rgb fill;
  Rgb text;
  bool choiceBar = false;  // the accent bar at the left edge of the current choice
};

// `highlighted`: under the pointer or selected; `current`: the choice the list was opened
// with, which also takes a faint fill. A fill mixes the accent into the background only as
// far as the text still reads on it.
RowLook RowLookOf(const ListColours& colours, bool highlighted, bool current);

struct ScrollLook {
  Rgb track;
  Rgb thumb;
};
ScrollLook ScrollLookOf(const ListColours& colours);

// `weight` of b in a (0..1).
Rgb Mix(Rgb a, Rgb b, double weight);

// Where a list is scrolled: its entries, how many fit whole, the first one shown.
struct ListScroll {
  int count = 0;
  int visible = 0;
  int top = 0;
};

// The thumb along a track of `track` pixels: its start and length, proportional to the part
// shown but never shorter than `minLength`. None when every entry fits (no scroll bar).
struct Thumb {
  int start = 0;
  int length = 0;
};
std::optional<Thumb> ThumbOf(const ListScroll& scroll, int track, int minLength);

// A press on the track at `at` pixels: above the thumb a page up, below it a page down; on
// the thumb nothing changes. Answers the new first entry.
int TopAfterTrackPress(const ListScroll& scroll, int track, int minLength, int at);

// The thumb dragged to start at `start`: the first entry it stands for.
int TopForThumbAt(const ListScroll& scroll, int track, int minLength, int start);

}  // namespace qv
