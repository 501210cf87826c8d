#include "app/win32/message_boxes_win32.h"

#include "app/win32/wide.h"

namespace qv::win {

std::u16string ApplicationTitle() {
  std::u16string path = ModulePath();
  const size_t slash = path.find_last_of(u"\\/");
  if (slash != std::u16string::npos) path.erase(0, slash + 1);
  const size_t dot = path.find_last_of(u'.');
  if (dot != std::u16string::npos) path.erase(dot);
  return path;
}

void Win32MessageBoxes::Show(std::u16string_view text, std::u16string_view caption) {
  const std::wstring wideText = Wide(text);
  const std::wstring wideCaption = caption.empty() ? Wide(ApplicationTitle()) : Wide(caption);
  MessageBoxW(owner_, wideText.c_str(), wideCaption.c_str(), MB_OK);
}

}  // namespace qv::win
