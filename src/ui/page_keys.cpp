#include "ui/page_keys.h"

#include <algorithm>

#include "model/dpi_tables.h"
#include "ui/page_controls.h"
#include "ui/pre_dispatch.h"
#include "ui/sliders.h"

namespace qv {
namespace {

int Wrap(int index, int count) { return ((index % count) + count) % count; }

void MoveFocus(PageFocus& focus, int index, PageKeyAnswer& answer) {
  focus.index = index;
  focus.shown = true;
  answer.focusChanged = true;
}

std::optional<int> FindControl(const std::vector<AccessibleControl>& controls, PageControlKind kind, int index) {
  for (size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].kind == kind && controls[i].index == index) return static_cast<int>(i);
  }
  return std::nullopt;
}

// Left and Right move the rate as its radio buttons do: focus and choice together.
void MoveRate(const std::vector<AccessibleControl>& controls, const AccessibleControl& rate, int step,
              PageFocus& focus, PageKeyAnswer& answer) {
  const int segment = std::clamp(rate.index + step, 1, layout::kRateSegmentCount);
  if (const auto index = FindControl(controls, PageControlKind::RateSegment, segment)) {
    MoveFocus(focus, *index, answer);
    answer.step = PressAction{PressKind::SetReportRate, segment};
  }
}

// Up and Down move a stage's level by one within what its table offers.
void MoveLevel(const Page& page, const AccessibleControl& column, int step, PageKeyAnswer& answer) {
  const int level = page.record.DpiIndex(column.index) + 1 + step;
  if (level < 1 || level > DpiLevelCount(page.dpiSelector) || !AcceptsDpiLevel(page.dpiSelector, level)) return;
  answer.step = PressAction{PressKind::SetDpiLevel, column.index, level};
}

// Home and Page Down go to the lowest level, End and Page Up to the highest the table takes.
void LevelToEnd(const Page& page, const AccessibleControl& column, bool highest, PageKeyAnswer& answer) {
  int level = highest ? DpiLevelCount(page.dpiSelector) : 1;
  while (highest && level > 1 && !AcceptsDpiLevel(page.dpiSelector, level)) --level;
  answer.step = PressAction{PressKind::SetDpiLevel, column.index, level};
}

}  // namespace

PageKeyAnswer OnPageKey(const Page& page, const std::vector<AccessibleControl>& controls, PageFocus& focus,
                        uint64_t virtualKey, bool shift) {
  PageKeyAnswer answer;
  const int count = static_cast<int>(controls.size());
  if (focus.index && *focus.index >= count) focus.index.reset();
  const AccessibleControl* focused = focus.shown && focus.index ? &controls[static_cast<size_t>(*focus.index)] : nullptr;
  switch (virtualKey) {
    case kKeyTab:
      if (count == 0) return answer;
      answer.handled = true;
      MoveFocus(focus, focus.index ? Wrap(*focus.index + (shift ? -1 : 1), count) : (shift ? count - 1 : 0), answer);
      return answer;
    case kKeyReturn:
    case kKeySpace:
      answer.handled = true;
      if (focused) {
        answer.pressIndex = *focus.index;
      } else {
        answer.hideWindow = virtualKey == kKeyReturn;
      }
      return answer;
    case kKeyEscape:
      answer.handled = true;
      answer.closeLists = !OpenListIds(page).empty();
      answer.hideWindow = !answer.closeLists;
      return answer;
    case kKeyHome:
    case kKeyEnd:
    case kKeyPageUp:
    case kKeyPageDown:
      if (!focused || focused->kind != PageControlKind::DpiColumn) return answer;
      answer.handled = true;
      LevelToEnd(page, *focused, virtualKey == kKeyEnd || virtualKey == kKeyPageUp, answer);
      return answer;
    case kKeyLeft:
    case kKeyRight:
    case kKeyUp:
    case kKeyDown: {
      answer.handled = true;
      if (!focused) return answer;
      const int step = virtualKey == kKeyRight || virtualKey == kKeyUp ? 1 : -1;
      if (focused->kind == PageControlKind::RateSegment) MoveRate(controls, *focused, step, focus, answer);
      if (focused->kind == PageControlKind::DpiColumn && (virtualKey == kKeyUp || virtualKey == kKeyDown))
        MoveLevel(page, *focused, step, answer);
      return answer;
    }
    default:
      return answer;
  }
}

std::vector<int> OpenListIds(const Page& page) {
  std::vector<int> ids;
  for (int key = 1; key <= layout::kKeyCount; ++key) {
    if (page.session.openLists.keyLists[static_cast<size_t>(key - 1)]) ids.push_back(KeyListId(key));
  }
  for (int box = 0; box < layout::kLedBoxCount; ++box) {
    if (page.session.openLists.ledLists[static_cast<size_t>(box)]) ids.push_back(LedListId(box));
  }
  return ids;
}

bool IsKeyListId(int id) { return id >= KeyListId(1) && id <= KeyListId(layout::kKeyCount); }

int EntryShownIn(const Page& page, int id) {
  const UiRecord& r = page.record;
  if (IsKeyListId(id)) return r.Key(uirec::kFunctionType, r.ShownMode(), id - kDpiSubListId);
  if (id == LedListId(0)) return r[uirec::kLightMode];
  if (id == LedListId(1)) return r[r[uirec::kLightMode] == kLightNeon ? uirec::kNeonPeriod : uirec::kBrightness];
  if (id == LedListId(2)) return std::max(0, r[uirec::kNeonEffect] - 1);
  return 0;
}

ListKeyAnswer OnListKey(uint64_t virtualKey, int current, int count, int visibleRows) {
  if (count <= 0) return {virtualKey == kKeyEscape ? ListKeyAnswer::Kind::Close : ListKeyAnswer::Kind::PassOn};
  const int page = std::max(1, visibleRows - 1);
  auto select = [&](int to) { return ListKeyAnswer{ListKeyAnswer::Kind::Select, std::clamp(to, 0, count - 1)}; };
  switch (virtualKey) {
    case kKeyUp: return select(current < 0 ? 0 : current - 1);
    case kKeyDown: return select(current + 1);
    case kKeyPageUp: return select(current - page);
    case kKeyPageDown: return select(current < 0 ? page : current + page);
    case kKeyHome: return select(0);
    case kKeyEnd: return select(count - 1);
    case kKeyReturn:
    case kKeySpace:
      return current < 0 ? ListKeyAnswer{ListKeyAnswer::Kind::PassOn} : ListKeyAnswer{ListKeyAnswer::Kind::Pick, current};
    case kKeyEscape:
    case kKeyTab:
      return {ListKeyAnswer::Kind::Close};
    default:
      return {};
  }
}

}  // namespace qv
