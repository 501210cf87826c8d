#include "app/profile_dialogs.h"

#include <algorithm>

#include "app/profile_texts.h"
#include "common/paths.h"
#include "common/text.h"
#include "ui/layout.h"

namespace qv {
namespace {

namespace nd = layout::profile_name_dialog;
namespace pd = layout::profiles_dialog;

constexpr int kNameTemplate = 713;
constexpr int kManageTemplate = 714;
constexpr std::u16string_view kNameBackground = u"/profile-name.png";
constexpr std::u16string_view kNameFailure = u"Profile Name Dialog Load background image failed!!!";

const DialogFrame kNameFrames[] = {
    {kNameTemplate, kNameBackground, kNameFailure, ProfileLanguageText(ProfileText::NameTitle)},
    {kNameTemplate, kNameBackground, kNameFailure, ProfileLanguageText(ProfileText::RenameTitle)},
    {kNameTemplate, kNameBackground, kNameFailure, ProfileLanguageText(ProfileText::DuplicateTitle)},
};

const DialogFrame kManageFrame{kManageTemplate, u"/profiles.png", u"Profiles Dialog Load background image failed!!!",
                               ProfileLanguageText(ProfileText::ManageTitle)};

std::u16string Words(ProfileText text, Language language, std::u16string_view name = {}) {
  return ProfileWords(text, language, name);
}

DialogStop Named(const layout::Rect& rect, std::u16string name, ControlRole role, std::optional<int> child = {}) {
  DialogStop stop{rect, child};
  stop.name = std::move(name);
  stop.role = role;
  return stop;
}

// The buttons beside the list, in their order on screen.
constexpr ProfileText kActionTexts[] = {ProfileText::Rename, ProfileText::Duplicate, ProfileText::Delete,
                                        ProfileText::Import, ProfileText::Export,    ProfileText::SetDefault};
static_assert(std::size(kActionTexts) == std::size(pd::kActions));

// The MOD_* bits of RegisterHotKey, in the order a hot key is spelled.
constexpr uint32_t kModControl = 2, kModAlt = 1, kModShift = 4, kModWin = 8;
constexpr std::pair<uint32_t, std::u16string_view> kModifierNames[] = {
    {kModControl, u"Ctrl"}, {kModAlt, u"Alt"}, {kModShift, u"Shift"}, {kModWin, u"Win"}};

constexpr uint32_t kVkBack = 0x08, kVkDelete = 0x2E, kVkF1 = 0x70, kVkF24 = 0x87;

bool IsModifierOrLock(uint32_t vk) {
  constexpr uint32_t kKeys[] = {0x10, 0x11, 0x12, 0x14, 0x5B, 0x5C, 0x90, 0x91, 0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5};
  return std::ranges::find(kKeys, vk) != std::end(kKeys);
}

constexpr std::pair<uint32_t, std::u16string_view> kKeyNames[] = {
    {0x08, u"Backspace"}, {0x09, u"Tab"},    {0x0D, u"Enter"},  {0x13, u"Pause"},  {0x1B, u"Esc"},
    {0x20, u"Space"},     {0x21, u"PgUp"},  {0x22, u"PgDn"}, {0x23, u"End"}, {0x24, u"Home"},
    {0x25, u"Left"},      {0x26, u"Up"},     {0x27, u"Right"},  {0x28, u"Down"},   {0x2C, u"PrtSc"},
    {0x2D, u"Ins"},       {0x2E, u"Del"}, {0x6A, u"Num *"},  {0x6B, u"Num +"},  {0x6D, u"Num -"},
    {0x6E, u"Num ."},     {0x6F, u"Num /"},  {0xBA, u";"},      {0xBB, u"="},      {0xBC, u","},
    {0xBD, u"-"},         {0xBE, u"."},      {0xBF, u"/"},      {0xC0, u"`"},      {0xDB, u"["},
    {0xDC, u"\\"},        {0xDD, u"]"},      {0xDE, u"'"}};

std::u16string KeyName(uint32_t vk) {
  if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z')) return std::u16string(1, static_cast<char16_t>(vk));
  if (vk >= kVkF1 && vk <= kVkF24) return u"F" + DecimalText(static_cast<int>(vk - kVkF1 + 1));
  if (vk >= 0x60 && vk <= 0x69) return u"Num " + DecimalText(static_cast<int>(vk - 0x60));
  for (const auto& [key, name] : kKeyNames) {
    if (key == vk) return std::u16string(name);
  }
  return u"Key " + DecimalText(static_cast<int>(vk));
}

}  // namespace

// ---- The name prompt ----------------------------------------------------------------

ProfileNameDialog::ProfileNameDialog(Language language, NamePurpose purpose, std::u16string initial)
    : language_(language),
      purpose_(purpose),
      initial_(std::move(initial)),
      prompt_(Words(ProfileText::NamePrompt, language)),
      labels_{DialogLabel{prompt_, nd::kPrompt, TextFormat::Wrapped}} {}

const DialogFrame& ProfileNameDialog::Frame(NamePurpose purpose) { return kNameFrames[static_cast<int>(purpose)]; }

std::vector<DialogStop> ProfileNameDialog::Stops(Language language) {
  return {Named(nd::kField, Words(ProfileText::NamePrompt, language), ControlRole::Text, kProfileNameFieldId),
          DialogStop{layout::dialog::kOk, std::nullopt}, DialogStop{layout::dialog::kCancel, std::nullopt}};
}

void ProfileNameDialog::InitControls(DialogControls& controls) const {
  controls.CreateTextField(kProfileNameFieldId, nd::kField, initial_, kProfileNameMax);
}

DialogEnd ProfileNameDialog::OnPress(int x, int y, DialogControls& controls) {
  const DialogEnd end = FrameButtonAt(x, y);
  if (end == DialogEnd::Ok && Refuses(controls)) return DialogEnd::None;
  return end;
}

bool ProfileNameDialog::Refuses(DialogControls& controls) {
  std::u16string name = controls.TextOf(kProfileNameFieldId);
  if (const std::string refused = RefusedProfileName(name); !refused.empty()) {
    prompt_ = FromUtf8(refused + ".");
    if (prompt_[0] >= u'a' && prompt_[0] <= u'z') prompt_[0] = static_cast<char16_t>(prompt_[0] - u'a' + u'A');  // a sentence
    labels_[0].text = prompt_;
    return true;
  }
  name_ = std::move(name);
  return false;
}

std::optional<std::u16string> ProfileNameDialog::Result(DialogEnd end) const {
  if (end != DialogEnd::Ok || name_.empty()) return std::nullopt;
  return name_;
}

// ---- The hot key ----------------------------------------------------------------------

std::optional<HotKey> HotKeyFromPress(uint32_t virtualKey, uint32_t modifiers) {
  if (virtualKey == 0 || IsModifierOrLock(virtualKey)) return std::nullopt;
  const bool chord = (modifiers & (kModControl | kModAlt | kModWin)) != 0;
  if ((virtualKey == kVkBack || virtualKey == kVkDelete) && modifiers == 0) return HotKey{};
  if (chord || (virtualKey >= kVkF1 && virtualKey <= kVkF24)) return HotKey{modifiers, virtualKey};
  return std::nullopt;
}

std::u16string HotKeyText(const HotKey& key, Language language) {
  if (key.virtualKey == 0) return Words(ProfileText::HotKeyNone, language);
  std::u16string text;
  for (const auto& [bit, name] : kModifierNames) {
    if ((key.modifiers & bit) != 0) text += std::u16string(name) + u"+";
  }
  return text + KeyName(key.virtualKey);
}

// ---- The manager ----------------------------------------------------------------------

ManageProfilesDialog::ManageProfilesDialog(ProfileLibrary& library, Language language,
                                           std::vector<std::u16string> running)
    : library_(library),
      language_(language),
      running_(std::move(running)),
      runningKind_{kManageFrame, kRunningDisplayId, kRunningListId, pd::kRunningDisplay, pd::kRunningSelector,
                   pd::kRunningList, {}},
      runningSelector_(runningKind_, language,
                       [&] {
                         std::vector<std::u16string> files;
                         for (const std::u16string& path : running_) files.emplace_back(FileNameOf(path));
                         return files;
                       }(),
                       Choice{-1, Words(ProfileText::BindRunning, language)}) {
  texts_.push_back(Words(ProfileText::ManageList, language));
  texts_.push_back(Words(ProfileText::ManagePrograms, language));
  texts_.push_back(Words(ProfileText::ManageHotKey, language));
  texts_.push_back(Words(ProfileText::HotKeyNote, language));
  texts_.push_back(Words(ProfileText::FullPath, language));
  texts_.push_back(Words(ProfileText::Unbind, language));
  texts_.push_back(Words(ProfileText::BindBrowse, language));
  for (const ProfileText text : kActionTexts) texts_.push_back(Words(text, language));
  // The texts are all in place before a label points into them.
  labels_ = {{texts_[0], pd::kListLabel},           {texts_[1], pd::kProgramsLabel},
             {texts_[2], pd::kHotKeyLabel},         {texts_[3], pd::kHotKeyNote, TextFormat::Wrapped},
             {texts_[4], pd::kFullPathLabel},       {texts_[5], pd::kUnbind, TextFormat::Centred},
             {texts_[6], pd::kBrowse, TextFormat::Centred}};
  for (size_t i = 0; i < std::size(pd::kActions); ++i) {
    labels_.push_back({texts_[7 + i], pd::kActions[i], TextFormat::Centred});
  }
}

const DialogFrame& ManageProfilesDialog::Frame() { return kManageFrame; }

std::vector<DialogStop> ManageProfilesDialog::Stops(Language language) {
  std::vector<DialogStop> stops;
  stops.push_back(Named(pd::kList, Words(ProfileText::ProfilesName, language), ControlRole::List, kProfileListId));
  for (size_t i = 0; i < std::size(pd::kActions); ++i) {
    stops.push_back(Named(pd::kActions[i], Words(kActionTexts[i], language), ControlRole::PushButton));
  }
  stops.push_back(Named(pd::kPrograms, Words(ProfileText::ProgramsName, language), ControlRole::List, kProgramListId));
  stops.push_back(Named(pd::kUnbind, Words(ProfileText::Unbind, language), ControlRole::PushButton));
  stops.push_back(Named(pd::kBrowse, Words(ProfileText::BindBrowse, language), ControlRole::PushButton));
  DialogStop running = Named(pd::kRunningSelector, Words(ProfileText::BindRunning, language), ControlRole::DropDown);
  running.opensList = true;
  stops.push_back(std::move(running));
  stops.push_back(Named(pd::kFullPath, Words(ProfileText::FullPath, language), ControlRole::CheckBox));
  DialogStop hotKey = Named(pd::kHotKeyField, Words(ProfileText::HotKeyName, language), ControlRole::KeyField);
  hotKey.capturesKey = true;
  stops.push_back(std::move(hotKey));
  stops.push_back(DialogStop{layout::dialog::kOk, std::nullopt});
  stops.push_back(DialogStop{layout::dialog::kCancel, std::nullopt});
  return stops;
}

void ManageProfilesDialog::InitControls(DialogControls& controls) {
  const ProfileSettings settings = library_.Settings();
  runningSelector_.InitControls(controls);
  controls.CreateSwatch(kFullPathBoxId, pd::kFullPathBox);
  controls.CreateDisplay(kHotKeyDisplayId, pd::kHotKeyField,
                         HotKeyText({settings.hotKeyModifiers, settings.hotKeyVirtualKey}, language_));
  Fill(controls, settings.defaultProfile);
}

void ManageProfilesDialog::Fill(DialogControls& controls, const std::u16string& select) {
  names_ = library_.Names();
  const std::u16string defaultProfile = library_.Settings().defaultProfile;
  std::vector<std::u16string> shown;
  for (const std::u16string& name : names_) {
    shown.push_back(name == defaultProfile ? Words(ProfileText::DefaultMark, language_, name) : name);
  }
  controls.Destroy(kProfileListId);
  controls.CreateStandingList(kProfileListId, pd::kList, shown);
  const auto at = std::ranges::find(names_, select);
  selected_ = names_.empty() ? std::nullopt : std::optional<int>(at == names_.end() ? 0 : static_cast<int>(at - names_.begin()));
  if (selected_) controls.Select(kProfileListId, *selected_);
  FillPrograms(controls);
}

void ManageProfilesDialog::FillPrograms(DialogControls& controls) {
  programs_.clear();
  const std::u16string profile = Selected();
  for (const ProfileBinding& b : library_.Settings().bindings) {
    if (!profile.empty() && b.profile == profile) programs_.push_back(b.program);
  }
  controls.Destroy(kProgramListId);
  controls.CreateStandingList(kProgramListId, pd::kPrograms, programs_);
}

std::u16string ManageProfilesDialog::Selected() const {
  if (!selected_ || static_cast<size_t>(*selected_) >= names_.size()) return {};
  return names_[static_cast<size_t>(*selected_)];
}

bool ManageProfilesDialog::Done(const std::optional<std::string>& failure, ProfileManagerAsker& asker) {
  if (!failure) return true;
  asker.Tell(FromUtf8(*failure + "."));
  return false;
}

DialogEnd ManageProfilesDialog::OnPress(int x, int y, DialogControls& controls, ProfileManagerAsker& asker) {
  const DialogEnd end = runningSelector_.OnSkinnedClick(x, y, controls);
  if (end != DialogEnd::None || pd::kRunningSelector.Contains(x, y)) return end;
  const std::vector<DialogStop> stops = Stops(language_);
  for (size_t i = 0; i < stops.size(); ++i) {
    if (stops[i].rect.Contains(x, y)) Act(static_cast<int>(i), controls, asker);
  }
  return DialogEnd::None;
}

void ManageProfilesDialog::Act(int stop, DialogControls& controls, ProfileManagerAsker& asker) {
  const std::u16string name = Selected();
  ProfileSettings settings = library_.Settings();
  switch (stop) {
    case kRenameStop:
      if (name.empty()) return;
      if (auto to = asker.AskName(NamePurpose::Rename, name); to && Done(library_.Rename(name, *to), asker)) Fill(controls, *to);
      return;
    case kDuplicateStop:
      if (name.empty()) return;
      if (auto to = asker.AskName(NamePurpose::Duplicate, name + u" 2"); to && Done(library_.Duplicate(name, *to), asker)) {
        Fill(controls, *to);
      }
      return;
    case kDeleteStop:
      if (name.empty() || !asker.Confirm(Words(ProfileText::DeleteAsk, language_, name))) return;
      if (Done(library_.Delete(name), asker)) Fill(controls, {});
      return;
    case kImportStop:
      if (const std::u16string file = asker.ChooseToOpen(false); !file.empty()) {
        const std::u16string imported(StemOf(FileNameOf(file)));
        if (Done(library_.Import(file, imported), asker)) Fill(controls, imported);
      }
      return;
    case kExportStop:
      if (name.empty()) return;
      if (const std::u16string file = asker.ChooseToSave(name + std::u16string(kProfileExtension)); !file.empty()) {
        Done(library_.Export(name, file), asker);
      }
      return;
    case kDefaultStop:
      if (name.empty()) return;
      settings.defaultProfile = name;
      if (Done(library_.SaveSettings(settings), asker)) Fill(controls, name);
      return;
    case kUnbindStop:
      Unbind(controls, asker);
      return;
    case kBrowseStop:
      Bind(asker.ChooseToOpen(true), controls, asker);
      return;
    case kFullPathStop:
      fullPath_ = !fullPath_;
      controls.Invalidate(kFullPathBoxId);
      return;
    default:
      return;
  }
}

void ManageProfilesDialog::OnListPick(DialogControls& controls, ProfileManagerAsker& asker) {
  if (runningSelector_.OnListPick(controls)) {
    const int picked = runningSelector_.Chosen().index;
    if (picked >= 0 && static_cast<size_t>(picked) < running_.size()) Bind(running_[static_cast<size_t>(picked)], controls, asker);
    return;
  }
  const std::optional<int> now = controls.Selection(kProfileListId);
  if (now && now != selected_) {
    selected_ = now;
    FillPrograms(controls);
  }
}

void ManageProfilesDialog::TrackList(int listId, int item, DialogControls& controls) const {
  runningSelector_.TrackListUnderCursor(listId, item, controls);
}

void ManageProfilesDialog::Bind(const std::u16string& imagePath, DialogControls& controls, ProfileManagerAsker& asker) {
  const std::u16string profile = Selected();
  if (profile.empty() || imagePath.empty()) return;
  const std::u16string program = fullPath_ ? imagePath : std::u16string(FileNameOf(imagePath));
  ProfileSettings settings = library_.Settings();
  // One profile per program: bound anew, it leaves the profile it had.
  std::erase_if(settings.bindings, [&](const ProfileBinding& b) { return b.program == program; });
  settings.bindings.push_back({program, profile});
  SaveSettings(settings, controls, asker);
}

void ManageProfilesDialog::Unbind(DialogControls& controls, ProfileManagerAsker& asker) {
  const std::optional<int> item = controls.Selection(kProgramListId);
  if (!item || static_cast<size_t>(*item) >= programs_.size()) return;
  ProfileSettings settings = library_.Settings();
  std::erase(settings.bindings, ProfileBinding{programs_[static_cast<size_t>(*item)], Selected()});
  SaveSettings(settings, controls, asker);
}

void ManageProfilesDialog::SaveSettings(const ProfileSettings& settings, DialogControls& controls,
                                        ProfileManagerAsker& asker) {
  if (Done(library_.SaveSettings(settings), asker)) FillPrograms(controls);
}

bool ManageProfilesDialog::OnHotKeyPress(uint32_t virtualKey, uint32_t modifiers, DialogControls& controls,
                                         ProfileManagerAsker& asker) {
  const std::optional<HotKey> key = HotKeyFromPress(virtualKey, modifiers);
  if (!key) return false;
  ProfileSettings settings = library_.Settings();
  settings.hotKeyModifiers = key->modifiers;
  settings.hotKeyVirtualKey = key->virtualKey;
  if (Done(library_.SaveSettings(settings), asker)) controls.SetText(kHotKeyDisplayId, HotKeyText(*key, language_));
  return true;
}

ControlColours ManageProfilesDialog::ColoursOf(ControlKind kind, int id, Rgb tick) const {
  if (kind != ControlKind::Static || id != kFullPathBoxId) return SubDialogColours(kind, false);
  ControlColours colours;
  colours.transparent = true;
  colours.brush = fullPath_ ? tick : kSubDialogDark;
  return colours;
}

}  // namespace qv
