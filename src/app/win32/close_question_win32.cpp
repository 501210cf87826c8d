#include "app/win32/close_question_win32.h"

#include <commctrl.h>

#include <string>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

constexpr int kApplyButton = 100;
constexpr int kDiscardButton = 101;

using TaskDialogIndirectFn = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

// Only Common Controls 6 (the manifest asks for it) has task dialogs: looked up, never
// imported, so a system without them still gets its question.
TaskDialogIndirectFn FindTaskDialog() {
  HMODULE controls = GetModuleHandleW(L"comctl32.dll");
  if (!controls) return nullptr;
  return reinterpret_cast<TaskDialogIndirectFn>(
      reinterpret_cast<void*>(GetProcAddress(controls, "TaskDialogIndirect")));
}

CloseAnswer AskWithMessageBox(HWND owner, const CloseQuestionTexts& texts) {
  const std::u16string text = std::u16string(texts.text) + u"\n\n" + std::u16string(texts.yesNoHint);
  switch (MessageBoxW(owner, W(text), W(std::u16string(texts.caption)), MB_YESNOCANCEL | MB_ICONWARNING)) {
    case IDYES: return CloseAnswer::Apply;
    case IDNO: return CloseAnswer::Discard;
    default: return CloseAnswer::Cancel;
  }
}

}  // namespace

CloseAnswer AskCloseQuestion(HWND owner, const CloseQuestionTexts& texts) {
  const TaskDialogIndirectFn taskDialog = FindTaskDialog();
  if (!taskDialog) return AskWithMessageBox(owner, texts);
  const std::wstring apply = Wide(texts.apply);
  const std::wstring discard = Wide(texts.discard);
  const std::wstring cancel = Wide(texts.cancel);  // a common button would speak the system's language
  const std::wstring caption = Wide(texts.caption);
  const std::wstring text = Wide(texts.text);
  const TASKDIALOG_BUTTON buttons[] = {
      {kApplyButton, apply.c_str()}, {kDiscardButton, discard.c_str()}, {IDCANCEL, cancel.c_str()}};
  TASKDIALOGCONFIG config{};
  config.cbSize = sizeof(config);
  config.hwndParent = owner;
  config.dwFlags = TDF_ALLOW_DIALOG_CANCELLATION | TDF_POSITION_RELATIVE_TO_WINDOW;
  config.pszWindowTitle = caption.c_str();
  config.pszMainIcon = TD_WARNING_ICON;
  config.pszContent = text.c_str();
  config.cButtons = static_cast<UINT>(std::size(buttons));
  config.pButtons = buttons;
  config.nDefaultButton = kApplyButton;
  int chosen = IDCANCEL;
  if (FAILED(taskDialog(&config, &chosen, nullptr, nullptr))) return AskWithMessageBox(owner, texts);
  if (chosen == kApplyButton) return CloseAnswer::Apply;
  if (chosen == kDiscardButton) return CloseAnswer::Discard;
  return CloseAnswer::Cancel;
}

}  // namespace qv::win
