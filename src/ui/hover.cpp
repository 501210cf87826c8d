#include "ui/hover.h"

#include "ui/page_elements.h"

namespace qv {
namespace {

// Hover tests in this order; the first hit wins.
constexpr HoverItem kAlwaysTracked[] = {kHoverOk,    kHoverApply, kHoverCancel, kHoverSkins,
                                        kHoverClose, kHoverHide,  kHoverBack};
// Restored to normal in this order.
constexpr HoverItem kButtonsToRestore[] = {kHoverOk,   kHoverApply, kHoverCancel, kHoverDefault,
                                           kHoverSkins, kHoverHide, kHoverClose,  kHoverBack};

bool IsKeyBox(HoverItem item) { return item >= kHoverFirstKeyBox; }
int KeyOf(HoverItem item) { return item - kHoverFirstKeyBox + 1; }

void DrawLook(Page& page, HoverItem item, bool over, Canvas& canvas) {
  if (IsKeyBox(item)) {
    DrawKeyBox(canvas, page, KeyOf(item), over);
  } else {
    DrawButton(canvas, page, item, over);
  }
  page.session.hover[item] = over;
}

void RestoreIfHighlighted(Page& page, HoverItem item, Canvas& canvas) {
  if (page.session.hover[item]) DrawLook(page, item, false, canvas);
}

}  // namespace

std::optional<HoverItem> HoverItemAt(const PageSession& session, int x, int y) {
  for (HoverItem item : kAlwaysTracked) {
    if (ButtonRect(item).Contains(x, y)) return item;
  }
  if (session.state != PageState::Shown) return std::nullopt;
  if (ButtonRect(kHoverDefault).Contains(x, y)) return kHoverDefault;
  for (int key = 1; key <= layout::kShownKeyCount; ++key) {
    if (layout::kKeyBoxes[key - 1].Contains(x, y)) return KeyBoxHover(key);
  }
  return std::nullopt;
}

MoveAnswer OnPageMouseMove(const PageSession& session, int x, int y) {
  const std::optional<HoverItem> item = HoverItemAt(session, x, y);
  std::bitset<kHoverItemCount> others = session.hover;
  if (item) others.reset(*item);
  if (others.none()) return item ? MoveAnswer::Track : MoveAnswer::Nothing;
  return item ? MoveAnswer::RestoreAndTrack : MoveAnswer::RestoreLooks;
}

void RestoreNormalLooks(Page& page, Canvas& canvas) {
  for (HoverItem item : kButtonsToRestore) RestoreIfHighlighted(page, item, canvas);
  for (int key = 1; key <= layout::kKeyCount; ++key) RestoreIfHighlighted(page, KeyBoxHover(key), canvas);
}

void Highlight(Page& page, HoverItem item, Canvas& canvas) {
  // Every other look first: OK and Apply share a pixel column, and the hovered look must win it.
  for (int other = 0; other < kHoverItemCount; ++other) {
    if (other != item) RestoreIfHighlighted(page, static_cast<HoverItem>(other), canvas);
  }
  DrawLook(page, item, true, canvas);
}

}  // namespace qv
