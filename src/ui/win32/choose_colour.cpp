#include "ui/win32/choose_colour.h"

#include <commdlg.h>

namespace qv::win {

std::optional<Rgb> ChooseColour(HWND owner) {
  static COLORREF custom[16] = {};  // the dialog's custom colours last for the whole run
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = owner;
  choose.lpCustColors = custom;
  if (!ChooseColorW(&choose)) return std::nullopt;
  const COLORREF chosen = choose.rgbResult;
  return Rgb{GetRValue(chosen), GetGValue(chosen), GetBValue(chosen)};
}

}  // namespace qv::win
