#pragma once
// The page's child windows on the main window.
#include <windows.h>

#include "ui/page_controls.h"

namespace qv::win {

class Win32PageControls final : public PageControls {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void CreateStatic(int id, const layout::Rect& rect, StaticStyle style, std::u16string_view text) override;
  void SetText(int id, std::u16string_view text) override;
  void Invalidate(int id) override;
  void Destroy(int id) override;
  bool Exists(int id) const override;

 private:
  HWND Control(int id) const { return owner_ ? GetDlgItem(owner_, id) : nullptr; }

  HWND owner_ = nullptr;
};

}  // namespace qv::win
