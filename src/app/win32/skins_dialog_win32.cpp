#include "app/win32/skins_dialog_win32.h"

#include "config/skin_palette.h"
#include "config/win32/profile_store_win32.h"
#include "ui/win32/choose_colour.h"

namespace qv::win {

std::optional<Rgb> CSkinsDialog::Choose() { return ChooseColour(hwnd()); }

std::optional<Rgb> CSkinsDialog::Recommended(std::u16string_view folder) {
  Win32ProfileStore profile;  // skin.ini is read as str.ini is
  return RecommendedTextColour(profile, folder);
}

}  // namespace qv::win
