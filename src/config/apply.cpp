#include "config/apply.h"

#include "config/image_fields.h"

namespace qv {
namespace {

// Bytes of blocks never read must not go back over the mouse's own data: read them first.
bool EnsureCompleteImage(AppState& state, MouseLink& mouse) {
  if (state.imageComplete) return true;
  if (!ReadMouseMemory(mouse, state, state.image)) return false;
  state.imageComplete = true;
  state.dpiSelector = state.image.DpiSelector();
  return true;
}

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

// The mouse's own message has been shown only when it did not answer a status query.
bool NeedsMissingMouseMessage(MouseApply outcome) {
  return outcome == MouseApply::ReadFailed || outcome == MouseApply::WriteFailed;
}

}  // namespace

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

bool ApplySettings(AppState& state, const LocalState& local, ApplyServices services) {
  const MouseApply outcome = state.connected != 0 ? ApplyToMouse(state, services.mouse) : MouseApply::ReadFailed;
  if (NeedsMissingMouseMessage(outcome)) services.messages.Show(services.missingMouseText, u"WriteOperation");
  SaveConfigFile(services.files, services.messages, local.paths, state.record);
  WriteKeyNames(services.profile, local.paths.settingsFile, local.settings);
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
