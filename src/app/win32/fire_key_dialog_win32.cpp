#include "app/win32/fire_key_dialog_win32.h"

#include <string>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

std::optional<FireField> FieldOf(int id) {
  for (FireField field : {FireField::Times, FireField::MakeTime, FireField::BreakTime}) {
    if (FireKeyDialog::FieldId(field) == id) return field;
  }
  return std::nullopt;
}

std::u16string FieldText(HWND field) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return U16(text);
}

}  // namespace

void CFireKeyDialog::InitOwnControls(DialogControls& controls) { core_.InitControls(controls); }

MessageResult CFireKeyDialog::OnOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND || lParam == 0) return std::nullopt;
  const std::optional<FireField> field = FieldOf(LOWORD(wParam));
  if (!field) return std::nullopt;
  HWND edit = reinterpret_cast<HWND>(lParam);
  switch (HIWORD(wParam)) {
    case EN_CHANGE:
      core_.OnFieldChange(*field, FieldText(edit), Controls());
      return 0;
    case EN_KILLFOCUS:
      core_.OnFieldLeave(*field, FieldText(edit), Controls());
      return 0;
    default:
      return std::nullopt;
  }
}

}  // namespace qv::win
