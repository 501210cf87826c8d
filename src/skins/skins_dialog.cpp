#include "skins/skins_dialog.h"

#include <algorithm>

#include "ui/layout.h"

namespace qv::skins {
namespace {

namespace area = layout::skins_dialog;

const SelectorDialogKind kSkinsDialog{
    {710, u"/skins.png", u"Skins Dialog Load background image failed!!!",
     {u"Skin and text color", u"皮肤和文字颜色", u"皮膚和文字顏色"}},
    kSkinNameId, kSkinListId, area::kDisplay, area::kSelector, area::kList, {}};

constexpr LanguageText kPrompt{u"Please click to set the UI text color", u"请点击设置UI文本颜色",
                               u"請點擊設置UI文本顏色"};

// Centred over the swatch where it fits; the English text does not and would lose both ends.
DialogLabel PromptLabel(Language language) {
  if (language == Language::English) return DialogLabel{kPrompt[language], area::kLongPrompt, TextFormat::Left};
  return DialogLabel{kPrompt[language], area::kPrompt, TextFormat::Centred};
}

// The list as the folder holds it when the dialog opens, starting from the skin in use.
SelectorDialog SkinSelector(Language language, FolderListing& listing, std::u16string_view root,
                            const std::u16string& current) {
  std::vector<std::u16string> names = SkinFolderNames(listing, root);
  const auto it = std::ranges::find(names, current);
  const int index = it == names.end() ? -1 : static_cast<int>(it - names.begin());
  return SelectorDialog(kSkinsDialog, language, std::move(names), Choice{index, current});
}

}  // namespace

const SelectorDialogKind& SkinsDialogKind() { return kSkinsDialog; }

SkinsDialog::SkinsDialog(Language language, FolderListing& listing, std::u16string root, SkinSelection current)
    : listing_(listing),
      root_(std::move(root)),
      selector_(SkinSelector(language, listing_, root_, current.name)),
      chosen_(std::move(current)),
      labels_{PromptLabel(language)} {}

void SkinsDialog::InitControls(DialogControls& controls) const {
  selector_.InitControls(controls);
  controls.CreateSwatch(kSwatchId, area::kSwatch);
}

DialogEnd SkinsDialog::OnSkinnedClick(int x, int y, DialogControls& controls, ColourChooser& chooser) {
  const DialogEnd end = selector_.OnSkinnedClick(x, y, controls);
  if (end != DialogEnd::None || !area::kSwatch.Contains(x, y)) return end;
  if (const std::optional<Rgb> colour = chooser.Choose()) {
    chosen_.colour = *colour;
    controls.Invalidate(kSwatchId);
  }
  return DialogEnd::None;
}

void SkinsDialog::OnListPick(DialogControls& controls, SkinColours& colours) {
  if (!selector_.OnListPick(controls)) return;
  chosen_.name = selector_.Chosen().text;
  std::optional<std::u16string> folder = FindSkinFolder(listing_, root_, chosen_.name);
  if (!folder) return;
  chosen_.folder = std::move(*folder);
  if (const std::optional<Rgb> colour = colours.Recommended(chosen_.folder)) {
    chosen_.colour = *colour;
    controls.Invalidate(kSwatchId);
  }
}

void SkinsDialog::TrackListUnderCursor(int idUnderPointer, int item, DialogControls& controls) const {
  selector_.TrackListUnderCursor(idUnderPointer, item, controls);
}

ControlColours SkinsDialog::ColoursOf(ControlKind kind, int id) const {
  if (kind != ControlKind::Static || id != kSwatchId) return SubDialogColours(kind, false);
  ControlColours colours;
  colours.transparent = true;
  colours.brush = chosen_.colour;
  return colours;
}

std::optional<SkinSelection> SkinsDialog::Result(DialogEnd end) const {
  if (end != DialogEnd::Ok) return std::nullopt;
  return chosen_;
}

}  // namespace qv::skins
