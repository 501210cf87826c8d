#include "app/win32/skins_dialog_win32.h"

#include "ui/win32/choose_colour.h"

namespace qv::win {

std::optional<Rgb> CSkinsDialog::Choose() { return ChooseColour(hwnd()); }

}  // namespace qv::win
