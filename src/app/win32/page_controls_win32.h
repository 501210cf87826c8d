#pragma once
// The page's child windows on the main window.
#include <windows.h>

#include "ui/canvas.h"
#include "ui/page_controls.h"

namespace qv::win {

class Win32PageControls final : public PageControls {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  // The lists' font, owned by the window's SkinFonts.
  void SetListFont(HFONT font) { listFont_ = font; }
  // The skin's accent, which marks the lists' entries and their scroll bars.
  void SetListAccent(Rgb accent) { accent_ = accent; }
  void CreateStatic(int id, const layout::Rect& rect, StaticStyle style, std::u16string_view text) override;
  void SetText(int id, std::u16string_view text) override;
  void Invalidate(int id) override;
  void Destroy(int id) override;
  bool Exists(int id) const override;
  void CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                  std::optional<int> current) override;
  std::optional<int> Selection(int id) const override;
  // LB_SETCURSEL: highlights an entry without a notification.
  void Select(int id, int item);

 private:
  HWND Control(int id) const { return owner_ ? GetDlgItem(owner_, id) : nullptr; }

  HWND owner_ = nullptr;
  HFONT listFont_ = nullptr;
  Rgb accent_{255, 255, 255};
};

}  // namespace qv::win
