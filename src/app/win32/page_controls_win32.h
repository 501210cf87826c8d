#pragma once
// The page's child windows on the main window. The core hands rectangles in skin pixels;
// each is placed at the window's scale through ToScreen, and kept, so a change of scale
// moves every control to its new place.
#include <windows.h>

#include <map>

#include "ui/display_scale.h"
#include "ui/canvas.h"
#include "ui/page_controls.h"

namespace qv::win {

class Win32PageControls final : public PageControls {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  // The lists' font, owned by the window's SkinFonts.
  void SetListFont(HFONT font) { listFont_ = font; }
  void SetScale(DisplayScale scale) { scale_ = scale; }
  // The window moved to a monitor of another scale: every control that still exists is put
  // at its rectangle for `scale` and given `font`, made for it (the old one may go after).
  void Rescale(DisplayScale scale, HFONT font);
  // A child window of `className` at the skin rectangle `rect`; null when it exists already
  // or cannot be made.
  HWND CreateChild(const wchar_t* className, int id, const layout::Rect& rect, DWORD style, std::u16string_view text);
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
  DisplayScale scale_;
  std::map<int, layout::Rect> placed_;  // skin rectangles of the controls made, by id
  Rgb accent_{255, 255, 255};
};

}  // namespace qv::win
