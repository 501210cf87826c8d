#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "keyassign/dialog_controls.h"

namespace qv::test {

// The dialog's child windows as a record of what exists, what each list holds and what the
// display was last given.
struct DialogLog : DialogControls {
  std::set<int> existing;
  std::map<int, std::vector<std::u16string>> lists;
  std::map<int, int> selections;
  std::map<int, std::optional<int>> marked;  // the entry each list marks as the current choice
  std::map<int, std::u16string> texts;
  std::map<int, layout::Rect> rects;
  std::map<int, int> invalidated;
  int setTexts = 0;

  void CreateDisplay(int id, const layout::Rect& rect, std::u16string_view text) override {
    existing.insert(id);
    rects[id] = rect;
    texts[id] = text;
  }
  void CreateCentredDisplay(int id, const layout::Rect& rect, std::u16string_view text) override {
    CreateDisplay(id, rect, text);
  }
  void CreateSwatch(int id, const layout::Rect& rect) override { CreateDisplay(id, rect, u""); }
  void CreateNumberField(int id, const layout::Rect& rect, std::u16string_view text) override {
    CreateDisplay(id, rect, text);
  }
  void CreateTextField(int id, const layout::Rect& rect, std::u16string_view text, int /*limit*/) override {
    CreateDisplay(id, rect, text);
  }
  std::u16string TextOf(int id) const override {
    auto it = texts.find(id);
    return Exists(id) && it != texts.end() ? it->second : std::u16string();
  }
  void Invalidate(int id) override { ++invalidated[id]; }
  void SetText(int id, std::u16string_view text) override {
    texts[id] = text;
    ++setTexts;
  }
  void CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                  std::optional<int> current) override {
    existing.insert(id);
    marked[id] = current;
    rects[id] = rect;
    lists[id].assign(items.begin(), items.end());
  }
  void CreateStandingList(int id, const layout::Rect& rect, std::span<const std::u16string> items) override {
    CreateList(id, rect, items, std::nullopt);
  }
  void Destroy(int id) override {
    existing.erase(id);
    selections.erase(id);
  }
  bool Exists(int id) const override { return existing.count(id) > 0; }
  std::optional<int> Selection(int id) const override {
    auto it = selections.find(id);
    if (!Exists(id) || it == selections.end()) return std::nullopt;
    return it->second;
  }
  void Select(int id, int item) override { selections[id] = item; }
};

}  // namespace qv::test
