#include "app/win32/page_tooltips_win32.h"

#include <commctrl.h>

#include <string>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

// Wide enough for a line of the longer English tips, so they wrap once at most.
constexpr LPARAM kMaxTipWidth = 320;

void AddTool(HWND tooltip, HWND owner, UINT id, const PageTip& tip) {
  std::wstring text = Wide(tip.text);  // the control keeps its own copy
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  // The control watches the owner's pointer messages itself.
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner;
  info.uId = id;
  info.rect = RECT{tip.rect.left, tip.rect.top, tip.rect.right, tip.rect.bottom};
  info.lpszText = text.data();
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void PageTooltips::Show(HWND owner, std::span<const PageTip> tips, HFONT font) {
  window_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) return;  // the page works without its tips
  if (font) SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(window_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  UINT id = 0;
  for (const PageTip& tip : tips) AddTool(window_.get(), owner, id++, tip);
}

}  // namespace qv::win
