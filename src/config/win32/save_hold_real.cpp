#include "config/win32/save_hold_win32.h"

namespace qv::win {

// The real program never holds a save.
void SavePoint(std::u16string_view) {}

}  // namespace qv::win
