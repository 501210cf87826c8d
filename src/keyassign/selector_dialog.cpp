#include "keyassign/selector_dialog.h"

namespace qv {

std::u16string_view In(Language language, const LanguageText& text) {
  switch (language) {
    case Language::SimplifiedChinese: return text.simplified;
    case Language::TraditionalChinese: return text.traditional;
    default: return text.english;
  }
}

SelectorDialog::SelectorDialog(const SelectorDialogSpec& spec, Language language) : spec_(spec), language_(language) {
  for (const LanguageText& item : spec.items) items_.emplace_back(In(language, item));
  if (!items_.empty()) chosen_ = Choice{0, items_.front()};
}

void SelectorDialog::InitControls(DialogControls& controls) const {
  controls.CreateDisplay(spec_.displayId, spec_.display, chosen_.text);
}

DialogEnd SelectorDialog::OnSkinnedClick(int x, int y, DialogControls& controls) {
  if (listOpen_ && !spec_.list.Contains(x, y) && !spec_.selector.Contains(x, y)) CloseList(controls);
  const DialogEnd end = FrameButtonAt(x, y);
  if (end != DialogEnd::None) return end;
  if (spec_.selector.Contains(x, y)) ToggleList(controls);
  return DialogEnd::None;
}

void SelectorDialog::OnListPick(DialogControls& controls) {
  const std::optional<int> selection = controls.Selection(spec_.listId);
  if (!selection || *selection < 0 || *selection >= static_cast<int>(items_.size())) return;
  chosen_ = Choice{*selection, items_[static_cast<size_t>(*selection)]};
  controls.SetText(spec_.displayId, chosen_.text);
  CloseList(controls);
}

void SelectorDialog::TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const {
  if (idUnderPointer != spec_.listId || !controls.Exists(spec_.listId)) return;
  if (item >= 0 && item < static_cast<int>(items_.size())) controls.Select(spec_.listId, item);
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
  if (!controls.Exists(spec_.listId)) controls.CreateList(spec_.listId, spec_.list, items_);
  listOpen_ = true;
}

void SelectorDialog::CloseList(DialogControls& controls) {
  if (controls.Exists(spec_.listId)) controls.Destroy(spec_.listId);
  listOpen_ = false;
}

}  // namespace qv
