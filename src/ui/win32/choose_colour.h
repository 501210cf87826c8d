#pragma once
// The standard colour dialog, with no starting colour and default options.
#include <windows.h>

#include <optional>

#include "ui/canvas.h"

namespace qv::win {

// The colour the user confirmed; none when the dialog was cancelled.
std::optional<Rgb> ChooseColour(HWND owner);

}  // namespace qv::win
