#include "keyassign/selector_dialog.h"

namespace qv {

SelectorDialog::SelectorDialog(const SelectorDialogKind& kind, Language language)
    : SelectorDialog(kind, language, {}) {
  for (const LanguageText& item : kind.items) items_.emplace_back(item[language]);
  if (!items_.empty()) chosen_ = Choice{0, items_.front()};
}

SelectorDialog::SelectorDialog(const SelectorDialogKind& kind, Language language, std::vector<std::u16string> items)
    : kind_(kind), language_(language), items_(std::move(items)) {
  if (!items_.empty()) chosen_ = Choice{0, items_.front()};
}

SelectorDialog::SelectorDialog(const SelectorDialogKind& kind, Language language, std::vector<std::u16string> items,
                               Choice initial)
    : kind_(kind), language_(language), items_(std::move(items)), chosen_(std::move(initial)) {}

void SelectorDialog::InitControls(DialogControls& controls) const {
  controls.CreateDisplay(kind_.displayId, kind_.display, chosen_.text);
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
  controls.SetText(kind_.displayId, chosen_.text);
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
  if (!controls.Exists(kind_.listId)) controls.CreateList(kind_.listId, kind_.list, items_);
  listOpen_ = true;
}

void SelectorDialog::CloseList(DialogControls& controls) {
  if (controls.Exists(kind_.listId)) controls.Destroy(kind_.listId);
  listOpen_ = false;
}

}  // namespace qv
