// The skins button: the skins dialog, and the page rebuilt with the skin and colour chosen.
#include "app/win32/velmo_dlg.h"

#include "app/win32/skins_dialog_win32.h"
#include "config/settings.h"
#include "skins/win32/folder_listing_win32.h"

namespace qv::win {

void CVelmoDlg::RunSkinsDialog() {
  const DisplayState& display = state_.display;
  const TextColour& colour = display.textColour;
  Win32FolderListing listing;
  CSkinsDialog dialog(SubDialogs(), listing, skins::SkinsRoot(local_.paths.skinBase),
                      skins::SkinSelection{display.skinDir, display.skinName, Rgb{colour.red, colour.green, colour.blue}});
  std::optional<skins::SkinSelection> chosen;
  // A mouse plugged or unplugged while the dialog is open is taken in after it closes.
  AfterTransfers(deviceWatch_.Run([&] { chosen = dialog.RunForChoice(hwnd()); }));
  if (!chosen) return;  // Cancel changes nothing
  const TextColour text{chosen->colour.red, chosen->colour.green, chosen->colour.blue};
  ApplySkinChoice(profile_, local_.paths.settingsFile, SkinChoice{chosen->folder, chosen->name, text},
                  local_.settings, state_.display);
  TakeNewSkin();
}

void CVelmoDlg::TakeNewSkin() {
  // Images of the old skin must not be drawn again, even where a file name is the same.
  images_.Clear();
  const bool decoded = static_cast<bool>(canvas_);
  canvas_ = CanvasBitmap{};
  // A hidden window that had given back its pixels needs only the new size until it shows.
  if (decoded) RestoreCanvas(); else LoadMainBackground();
  TakeSkinAccents();
  // The key names may hold picks not applied yet: they stay as they are.
  if (page_.state == PageState::Shown) RebuildPage(KeyNamesFrom::Memory);
  hidingNcPaints_ = 0;
  SetForegroundWindow(hwnd());
  ShowWindow(hwnd(), SW_SHOW);
  SetFocus(hwnd());  // the page's controls that held it are gone with the rebuild
}

}  // namespace qv::win
