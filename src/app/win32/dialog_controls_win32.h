#pragma once
// A sub-dialog's child windows: the selection display and the drop-down list, made the way
// the page makes its own.
#include <windows.h>

#include "app/win32/page_controls_win32.h"
#include "keyassign/dialog_controls.h"

namespace qv::win {

class Win32DialogControls final : public DialogControls {
 public:
  void SetOwner(HWND owner) {
    owner_ = owner;
    page_.SetOwner(owner);
  }
  void SetListFont(HFONT font) {
    font_ = font;
    page_.SetListFont(font);
  }
  void SetScale(DisplayScale scale) {
    scale_ = scale;
    page_.SetScale(scale);
  }
  void Rescale(DisplayScale scale, HFONT font) {
    scale_ = scale;
    font_ = font;
    page_.Rescale(scale, font);
  }
  void SetListAccent(Rgb accent) { page_.SetListAccent(accent); }

  void CreateDisplay(int id, const layout::Rect& rect, std::u16string_view text) override {
    page_.CreateStatic(id, rect, StaticStyle::Display, text);
  }
  void CreateCentredDisplay(int id, const layout::Rect& rect, std::u16string_view text) override {
    page_.CreateStatic(id, rect, StaticStyle::CentredDisplay, text);
  }
  void CreateSwatch(int id, const layout::Rect& rect) override {
    page_.CreateStatic(id, rect, StaticStyle::Swatch, u"");
  }
  void CreateNumberField(int id, const layout::Rect& rect, std::u16string_view text) override;
  void CreateTextField(int id, const layout::Rect& rect, std::u16string_view text, int limit) override;
  std::u16string TextOf(int id) const override;
  void Invalidate(int id) override { page_.Invalidate(id); }
  void SetText(int id, std::u16string_view text) override { page_.SetText(id, text); }
  void CreateList(int id, const layout::Rect& rect, std::span<const std::u16string> items,
                  std::optional<int> current) override {
    page_.CreateList(id, rect, items, current);
  }
  void CreateStandingList(int id, const layout::Rect& rect, std::span<const std::u16string> items) override;
  void Destroy(int id) override { page_.Destroy(id); }
  bool Exists(int id) const override { return page_.Exists(id); }
  std::optional<int> Selection(int id) const override { return page_.Selection(id); }
  void Select(int id, int item) override { page_.Select(id, item); }

 private:
  HWND Field(int id, const layout::Rect& rect, DWORD style, std::u16string_view text);

  HWND owner_ = nullptr;
  HFONT font_ = nullptr;
  DisplayScale scale_;
  Win32PageControls page_;
};

}  // namespace qv::win
