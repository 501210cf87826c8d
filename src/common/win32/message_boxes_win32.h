#pragma once
#include <windows.h>

#include <string>

#include "common/platform.h"

namespace qv::win {

// The executable's file name without its extension: the caption of every message box
// that names no caption of its own.
std::u16string ApplicationTitle();

class Win32MessageBoxes : public MessageBoxes {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(std::u16string_view text, std::u16string_view caption) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace qv::win
