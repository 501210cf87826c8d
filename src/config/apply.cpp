#include "config/apply.h"

#include "config/image_fields.h"
#include "config/unfinished_write.h"

namespace qv {
namespace {

void BuildImage(AppState& state, MouseLink& mouse) {
  const UiRecord& record = state.record;
  ConfigImage& image = state.image;
  WriteFixedTables(image);
  mouse.GetDPIStage(image);  // status byte 1 keeps the stage the mouse is in now
  image.StatusRate() = record[uirec::kReportRate];
  WriteLighting(record, image);
  PackStageColours(record, image);
  WriteEnabledStageCount(record, image);
  image.Field(blockset::kSnipeDpiCode) = record[uirec::kSnipeDpiCode];
  WriteStageCodes(record, state.dpiSelector, image);
  image.Field(blockset::kFireMakeTime) = record[uirec::kFireMakeTime];
  image.Field(blockset::kFireBreakTime) = record[uirec::kFireBreakTime];
  WriteKeyTables(record, image);
}

ButtonResult PressApplyButton(AppState& state, const LocalState& local, ApplyServices services, bool hide) {
  const bool applied = ApplySettings(state, local, services);
  if (applied) state.savedCopy = state.record;
  return {applied, hide};
}

constexpr LanguageText kNotSavedButTaken{
    u"The mouse has taken your settings, but they could not be saved beside the program:",
    u"鼠标已接受您的设置，但无法将其保存到程序所在的文件夹：",
    u"滑鼠已接受您的設定，但無法將其儲存到程式所在的資料夾："};
constexpr LanguageText kNotSaved{u"Your settings could not be saved beside the program:",
                                 u"无法将您的设置保存到程序所在的文件夹：", u"無法將您的設定儲存到程式所在的資料夾："};

// Both files are tried whatever the other did; the user hears once about all that failed.
void SaveLocalFiles(const AppState& state, const LocalState& local, ApplyServices services, bool mouseTookSettings) {
  std::u16string failures;
  if (SaveConfigFile(services.files, services.messages, local.paths, state.record) == ConfigSave::NotWritable) {
    failures += u"\nconfig.bin: " + services.files.LastErrorText();
  }
  if (!WriteKeyNames(services.profile, local.paths.settingsFile, local.settings)) {
    failures += u"\nstr.ini: " + services.profile.LastErrorText();
  }
  if (!failures.empty()) services.messages.Show(NotSavedText(services.language, mouseTookSettings, failures), u"");
}

// The mouse's own message has been shown only when it did not answer a status query.
bool NeedsMissingMouseMessage(MouseApply outcome) {
  return outcome == MouseApply::ReadFailed || outcome == MouseApply::WriteFailed;
}

// The write marked unfinished before any block can land, the mark cleared once a write to
// that mouse completes (another mouse's complete write leaves the first one half written).
MouseApply ApplyLocked(AppState& state, const LocalState& local, const ApplyServices& services) {
  const TransferLockScope lock(services.lock);
  if (!lock.Held()) return MouseApply::Busy;
  // Another program may have written: nothing of the image read before may go back.
  if (lock.Wait() == LockWait::AfterWait) state.imageComplete = false;
  const std::u16string mouse = state.openMouse;
  const bool wasUnfinished = state.writeUnfinished;
  if (!wasUnfinished) RecordUnfinishedWrite(services.files, local.paths, true, mouse);
  const MouseApply outcome = ApplyToMouse(state, services.mouse);
  if (outcome == MouseApply::WriteFailed) {
    if (wasUnfinished) RecordUnfinishedWrite(services.files, local.paths, true, mouse);
    state.writeUnfinished = true;
    state.unfinishedMouse = mouse;
  } else if (outcome == MouseApply::Written && MaybeSameMouse(state.unfinishedMouse, mouse)) {
    RecordUnfinishedWrite(services.files, local.paths, false);
    state.writeUnfinished = false;
    state.unfinishedMouse.clear();
  } else if (!wasUnfinished) {
    RecordUnfinishedWrite(services.files, local.paths, false);  // nothing reached the mouse
  }
  return outcome;
}

}  // namespace

// Bytes of blocks never read must not go back over the mouse's own data: read them first.
bool EnsureCompleteImage(AppState& state, MouseLink& mouse) {
  if (state.imageComplete) return true;
  if (!ReadMouseMemory(mouse, state, state.image)) return false;
  state.imageComplete = true;
  state.dpiSelector = state.image.DpiSelector();
  return true;
}

MouseApply ApplyToMouse(AppState& state, MouseLink& mouse) {
  if (!EnsureCompleteImage(state, mouse)) return MouseApply::ReadFailed;
  BuildImage(state, mouse);
  switch (mouse.WriteOperation(state.image)) {
    case WriteResult::Complete: return MouseApply::Written;
    case WriteResult::Unanswered: return MouseApply::WriteUnanswered;
    case WriteResult::Incomplete: break;
  }
  // The mouse may now hold part of the image: read it again before the next write.
  state.imageComplete = false;
  return MouseApply::WriteFailed;
}

std::u16string NotSavedText(Language language, bool mouseTookSettings, std::u16string_view failures) {
  return std::u16string((mouseTookSettings ? kNotSavedButTaken : kNotSaved)[language]) + std::u16string(failures);
}

bool ApplySettings(AppState& state, const LocalState& local, ApplyServices services) {
  const MouseApply outcome = state.connected != 0 ? ApplyLocked(state, local, services) : MouseApply::ReadFailed;
  if (outcome == MouseApply::Busy) services.messages.Show(services.busyText, u"WriteOperation");
  if (NeedsMissingMouseMessage(outcome)) services.messages.Show(services.missingMouseText, u"WriteOperation");
  SaveLocalFiles(state, local, services, outcome == MouseApply::Written);
  return outcome == MouseApply::Written;
}

ButtonResult PressOk(AppState& state, const LocalState& local, ApplyServices services) {
  return PressApplyButton(state, local, services, true);
}

ButtonResult PressApply(AppState& state, const LocalState& local, ApplyServices services) {
  return PressApplyButton(state, local, services, false);
}

ButtonResult PressCancel(AppState& state) {
  state.record = state.savedCopy;
  state.cancelPending = 1;
  return {false, true};
}

}  // namespace qv
