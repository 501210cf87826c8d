#include "ui/list_looks.h"

#include <algorithm>
#include <cmath>

#include "ui/control_colours.h"

namespace qv {
namespace {

constexpr double kHighlightWeight = 0.5;
constexpr double kChoiceWeight = 0.3;
constexpr double kHighlightStep = 0.05;
constexpr double kTrackWeight = 0.2;
// Against the list: the choice's fill, a fraction of the accent, must still stand apart
// from the rows around it (Frost's blue gave a navy barely seen on black).
constexpr double kAccentContrast = 6.0;

int MaxTop(const ListScroll& scroll) { return std::max(0, scroll.count - scroll.visible); }

}  // namespace

Rgb Mix(Rgb a, Rgb b, double weight) {
  const auto channel = [weight](uint8_t x, uint8_t y) {
    return static_cast<uint8_t>(std::lround(x + (y - x) * weight));
  };
  return Rgb{channel(a.red, b.red), channel(a.green, b.green), channel(a.blue, b.blue)};
}

Rgb ListAccent(Rgb background, Rgb text, Rgb accent) {
  for (double weight = 0; weight < 1; weight += kHighlightStep) {
    const Rgb shown = Mix(accent, text, weight);
    if (Contrast(shown, background) >= kAccentContrast) return shown;
  }
  return text;
}

RowLook RowLookOf(const ListColours& colours, bool highlighted, bool current) {
  RowLook look{colours.background, colours.text, current};
  const double most = highlighted ? kHighlightWeight : current ? kChoiceWeight : 0;
  // A light accent (a skin without the rate image falls back to the text colour) would
  // wash the text out: step back towards the background until it reads.
  for (double weight = most; weight > 0; weight -= kHighlightStep) {
    look.fill = Mix(colours.background, colours.accent, weight);
    if (Contrast(look.fill, colours.text) >= kReadableContrast) return look;
  }
  look.fill = colours.background;
  return look;
}

ScrollLook ScrollLookOf(const ListColours& colours) {
  return ScrollLook{Mix(colours.background, colours.accent, kTrackWeight), colours.accent};
}

std::optional<Thumb> ThumbOf(const ListScroll& scroll, int track, int minLength) {
  if (scroll.count <= scroll.visible || scroll.count <= 0 || track <= 0) return std::nullopt;
  const int length = std::clamp(track * scroll.visible / scroll.count, std::min(minLength, track), track);
  const int top = std::clamp(scroll.top, 0, MaxTop(scroll));
  return Thumb{(track - length) * top / MaxTop(scroll), length};
}

int TopAfterTrackPress(const ListScroll& scroll, int track, int minLength, int at) {
  const std::optional<Thumb> thumb = ThumbOf(scroll, track, minLength);
  if (!thumb) return scroll.top;
  const int page = std::max(1, scroll.visible);
  const int top = std::clamp(scroll.top, 0, MaxTop(scroll));
  if (at < thumb->start) return std::max(0, top - page);
  if (at >= thumb->start + thumb->length) return std::min(MaxTop(scroll), top + page);
  return top;
}

int TopForThumbAt(const ListScroll& scroll, int track, int minLength, int start) {
  const std::optional<Thumb> thumb = ThumbOf(scroll, track, minLength);
  if (!thumb || track == thumb->length) return scroll.top;
  const int free = track - thumb->length;
  const int clamped = std::clamp(start, 0, free);
  return static_cast<int>(std::lround(static_cast<double>(clamped) * MaxTop(scroll) / free));
}

}  // namespace qv
