#pragma once
// A canvas and child controls that write what they are asked into one shared log, and a
// valid page to start each test from.
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/text.h"
#include "ui/canvas.h"
#include "ui/page_controls.h"
#include "ui/page_session.h"

namespace qv::test {

enum class CallKind { Image, ImagePart, Text, Create, SetText, Invalidate, Destroy, CreateList };

struct Call {
  Call(CallKind k, std::u16string_view w, const layout::Rect& r, int i) : kind(k), what(w), rect(r), id(i) {}
  CallKind kind;
  std::u16string what;  // image name or text
  layout::Rect rect;    // an image's top-left corner is rect.left, rect.top
  int id = 0;
  TextFormat format = TextFormat::Centred;
  FontRole font = FontRole::Text;
  Rgb colour;
  StaticStyle style = StaticStyle::Swatch;
};

class PageLog : public Canvas, public PageControls {
 public:
  std::vector<Call> calls;
  std::set<int> existing;
  std::map<int, std::vector<std::u16string>> lists;  // the items of each list created
  std::map<int, int> selections;                     // what the user picked, by list id
  std::map<int, std::optional<int>> marked;          // the entry each list marks as the current choice

  bool DrawImage(std::u16string_view name, int x, int y) override {
    calls.emplace_back(CallKind::Image, name, layout::Rect{x, y, x, y}, 0);
    return true;
  }
  bool DrawImagePart(std::u16string_view name, int, int, const layout::Rect& part) override {
    calls.emplace_back(CallKind::ImagePart, name, part, 0);
    return true;
  }
  void DrawText(std::u16string_view text, const layout::Rect& rect, TextFormat format, FontRole font,
                Rgb colour) override {
    Call& call = calls.emplace_back(CallKind::Text, text, rect, 0);
    call.format = format;
    call.font = font;
    call.colour = colour;
  }
  void CreateStatic(int id, const layout::Rect& rect, StaticStyle style, std::u16string_view text) override {
    existing.insert(id);
    calls.emplace_back(CallKind::Create, text, rect, id).style = style;
  }
  void SetText(int id, std::u16string_view text) override {
    calls.emplace_back(CallKind::SetText, text, layout::Rect{}, id);
  }
  void Invalidate(int id) override { calls.emplace_back(CallKind::Invalidate, u"", layout::Rect{}, id); }
  void Destroy(int id) override {
    existing.erase(id);
    calls.emplace_back(CallKind::Destroy, u"", layout::Rect{}, id);
  }
  bool Exists(int id) const override { return existing.count(id) > 0; }
  void CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                  std::optional<int> current) override {
    existing.insert(id);
    lists[id].assign(items.begin(), items.end());
    marked[id] = current;
    calls.emplace_back(CallKind::CreateList, u"", rect, id);
  }
  std::optional<int> Selection(int id) const override {
    auto it = selections.find(id);
    if (!Exists(id) || it == selections.end()) return std::nullopt;
    return it->second;
  }
  // The text static `id` was last given, or none.
  std::optional<std::u16string> LastText(int id) const {
    for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
      if (it->kind == CallKind::SetText && it->id == id) return it->what;
    }
    return std::nullopt;
  }

  std::vector<Call> Of(CallKind kind) const {
    std::vector<Call> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [kind](const Call& c) { return c.kind == kind; });
    return found;
  }
  int CountImages(std::u16string_view name) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [name](const Call& c) {
      return c.kind == CallKind::Image && c.what == name;
    }));
  }
  bool DrewImageAt(std::u16string_view name, const layout::Rect& at) const {
    return std::any_of(calls.begin(), calls.end(), [&](const Call& c) {
      return c.kind == CallKind::Image && c.what == name && c.rect.left == at.left && c.rect.top == at.top;
    });
  }
  const Call* FindText(std::u16string_view text) const {
    auto it = std::find_if(calls.begin(), calls.end(), [text](const Call& c) {
      return c.kind == CallKind::Text && c.what == text;
    });
    return it == calls.end() ? nullptr : &*it;
  }
  const Call* FindCreate(int id) const {
    auto it = std::find_if(calls.begin(), calls.end(), [id](const Call& c) {
      return c.kind == CallKind::Create && c.id == id;
    });
    return it == calls.end() ? nullptr : &*it;
  }
};

inline constexpr Rgb kSkinColour{10, 200, 30};

// A valid page: 1000 Hz, stages on at levels 2, 4, 6, 8, Standard lighting at 100 %,
// Mode A shown, key names "A1".."A8" and "B1".."B8", a page still to be painted.
struct PageFixture {
  PageSession session;
  UiRecord record;
  KeyNames names;
  Page page{session, record, names, Language::English, kSkinColour, 0, 1, true};
  PageLog log;

  PageFixture() {
    record[uirec::kReportRate] = kRate1000Hz;
    for (int stage = 1; stage <= kStageCount; ++stage) {
      record.DpiIndex(stage) = static_cast<uint8_t>(2 * stage - 1);
      record.StageEnabled(stage) = 1;
    }
    record[uirec::kLightMode] = kLightStandard;
    record[uirec::kBrightness] = 9;
    record[uirec::kNeonPeriod] = 3;
    record[uirec::kNeonEffect] = kNeonRgbEffect;
    for (int key = 1; key <= kKeysPerMode; ++key) {
      names[0][static_cast<size_t>(key - 1)] = u"A" + DecimalText(key);
      names[1][static_cast<size_t>(key - 1)] = u"B" + DecimalText(key);
    }
  }
};

// Light and dark cells drawn in the column of stage 1..4.
struct ColumnLook {
  int light = 0;
  int dark = 0;
  int topY = -1;  // top of the highest cell drawn
};

inline ColumnLook ColumnOf(const PageLog& log, int stage) {
  ColumnLook look;
  for (const Call& c : log.calls) {
    const bool light = c.what == u"/slider-DPI-light.png";
    if (c.kind != CallKind::Image || (!light && c.what != u"/slider-DPI-dark.png")) continue;
    if (c.rect.left != layout::kDpiColumnX[stage - 1]) continue;
    (light ? look.light : look.dark)++;
    if (look.topY < 0 || c.rect.top < look.topY) look.topY = c.rect.top;
  }
  return look;
}

}  // namespace qv::test
