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

bool IsBottomButton(HoverItem item) { return item == kHoverOk || item == kHoverApply || item == kHoverCancel; }
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
  if (HoverItemAt(session, x, y)) return MoveAnswer::Track;
  return session.hover.any() ? MoveAnswer::RestoreLooks : MoveAnswer::Nothing;
}

void RestoreNormalLooks(Page& page, Canvas& canvas) {
  for (HoverItem item : kButtonsToRestore) RestoreIfHighlighted(page, item, canvas);
  for (int key = 1; key <= layout::kKeyCount; ++key) {
    if (!page.session.hover[KeyBoxHover(key)]) continue;
    DrawLook(page, KeyBoxHover(key), false, canvas);
    return;  // one key box at most is ever highlighted
  }
}

void Highlight(Page& page, HoverItem item, Canvas& canvas) {
  // Neighbours first: OK and Apply share a pixel column, and the hovered look must win it.
  if (IsBottomButton(item)) {
    for (HoverItem other : {kHoverOk, kHoverApply, kHoverCancel}) {
      if (other != item) RestoreIfHighlighted(page, other, canvas);
    }
  } else if (IsKeyBox(item)) {
    for (int key = 1; key <= layout::kKeyCount; ++key) {
      if (KeyBoxHover(key) != item) RestoreIfHighlighted(page, KeyBoxHover(key), canvas);
    }
  }
  DrawLook(page, item, true, canvas);
}

}  // namespace qv
