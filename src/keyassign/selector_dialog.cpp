#include "keyassign/selector_dialog.h"

#include "ui/page_controls.h"

namespace qv {
namespace {

std::vector<std::u16string> ItemsOf(const SelectorDialogKind& kind, Language language) {
  std::vector<std::u16string> items;
  for (const LanguageText& item : kind.items) items.emplace_back(item[language]);
  return items;
}

Choice ItemAt(const std::vector<std::u16string>& items, int current) {
  if (items.empty()) return Choice{};
  if (current < 0 || current >= static_cast<int>(items.size())) current = 0;
  return Choice{current, items[static_cast<size_t>(current)]};
}

}  // namespace

std::u16string ListEntry(const SelectorDialogKind& kind, size_t index, std::u16string_view item) {
  std::u16string entry(item);
  if (index < kind.itemKeys.size()) entry.append(u" (").append(kind.itemKeys[index]).append(u")");
  if (!kind.unit.empty()) entry.append(u" ").append(kind.unit);
  return entry;
}

SelectorDialog::SelectorDialog(const SelectorDialogKind& kind, Language language, int current)
    : SelectorDialog(kind, language, ItemsOf(kind, language), current) {}

SelectorDialog::SelectorDialog(const SelectorDialogKind& kind, Language language, std::vector<std::u16string> items,
                               int current)
    : SelectorDialog(kind, language, items, ItemAt(items, current)) {}

SelectorDialog::SelectorDialog(const SelectorDialogKind& kind, Language language, std::vector<std::u16string> items,
                               Choice initial)
    : kind_(kind), language_(language), items_(std::move(items)), chosen_(std::move(initial)) {
  for (size_t i = 0; i < items_.size(); ++i) entries_.push_back(ListEntry(kind_, i, items_[i]));
  if (!kind_.note[language_].empty()) labels_.push_back({kind_.note[language_], kind_.noteRect, TextFormat::Wrapped});
}

std::u16string SelectorDialog::DisplayText() const {
  const auto index = static_cast<size_t>(chosen_.index);
  if (chosen_.index >= 0 && index < items_.size() && items_[index] == chosen_.text) return entries_[index];
  return chosen_.text;
}

void SelectorDialog::InitControls(DialogControls& controls) const {
  // Centred, as every sub-dialog's display: a name never runs into the left border.
  controls.CreateCentredDisplay(kind_.displayId, kind_.display, DisplayText());
}

DialogEnd SelectorDialog::OnSkinnedClick(int x, int y, DialogControls& controls) {
  if (listOpen_ && !kind_.list.Contains(x, y) && !kind_.selector.Contains(x, y)) CloseList(controls);
  const DialogEnd end = FrameButtonAt(x, y);
  if (end != DialogEnd::None) return end;
  if (kind_.selector.Contains(x, y)) ToggleList(controls);
  return DialogEnd::None;
}

bool SelectorDialog::OnListPick(DialogControls& controls) {
  const std::optional<int> selection = controls.Selection(kind_.listId);
  if (!selection || *selection < 0 || *selection >= static_cast<int>(items_.size())) return false;
  chosen_ = Choice{*selection, items_[static_cast<size_t>(*selection)]};
  controls.SetText(kind_.displayId, DisplayText());
  CloseList(controls);
  return true;
}

void SelectorDialog::TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const {
  if (idUnderPointer != kind_.listId || !controls.Exists(kind_.listId)) return;
  if (item >= 0 && item < static_cast<int>(items_.size())) controls.Select(kind_.listId, item);
}

std::optional<Choice> SelectorDialog::Result(DialogEnd end) const {
  if (end != DialogEnd::Ok) return std::nullopt;
  return chosen_;
}

void SelectorDialog::ToggleList(DialogControls& controls) {
  if (listOpen_) {
    CloseList(controls);
    return;
  }
  if (!controls.Exists(kind_.listId)) {
    controls.CreateList(kind_.listId, kind_.list, entries_, EntryOf(chosen_.index, static_cast<int>(entries_.size())));
  }
  listOpen_ = true;
}

void SelectorDialog::CloseList(DialogControls& controls) {
  if (controls.Exists(kind_.listId)) controls.Destroy(kind_.listId);
  listOpen_ = false;
}

}  // namespace qv
