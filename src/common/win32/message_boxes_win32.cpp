#include "common/win32/message_boxes_win32.h"

#include "common/paths.h"
#include "common/win32/wide.h"

namespace qv::win {

std::u16string ApplicationTitle() { return std::u16string(StemOf(FileNameOf(ModulePath()))); }

void Win32MessageBoxes::Show(std::u16string_view text, std::u16string_view caption) {
  const std::wstring wideText = Wide(text);
  const std::wstring wideCaption = caption.empty() ? Wide(ApplicationTitle()) : Wide(caption);
  MessageBoxW(owner_, wideText.c_str(), wideCaption.c_str(), MB_OK);
}

}  // namespace qv::win
