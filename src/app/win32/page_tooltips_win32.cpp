#include "app/win32/page_tooltips_win32.h"

#include <commctrl.h>

#include <string>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

// Wide enough for a line of the longer English tips, so they wrap once at most.
constexpr int kMaxTipWidth = 320;

void AddTool(HWND tooltip, HWND owner, UINT id, const PageTip& tip, DisplayScale scale) {
  std::wstring text = Wide(tip.text);  // the control keeps its own copy
  TOOLINFOW info{};
  info.cbSize = sizeof info;
  // The owner's pointer messages come through Relay.
  info.uFlags = 0;
  info.hwnd = owner;
  info.uId = id;
  const layout::Rect screen = ToScreen(tip.rect, scale);
  info.rect = RECT{screen.left, screen.top, screen.right, screen.bottom};
  info.lpszText = text.data();
  SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace

void PageTooltips::Show(HWND owner, std::span<const PageTip> tips, HFONT font, DisplayScale scale) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);  // loads them at the first tips, not at start
  window_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                                GetModuleHandleW(nullptr), nullptr));
  if (!window_) return;  // the page works without its tips
  if (font) SendMessageW(window_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(window_.get(), TTM_SETMAXTIPWIDTH, 0, LengthToScreen(kMaxTipWidth, scale));
  UINT id = 0;
  for (const PageTip& tip : tips) AddTool(window_.get(), owner, id++, tip, scale);
}

void PageTooltips::Relay(const MSG& msg) {
  if (!window_) return;
  switch (msg.message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      Forward(msg);  // hides a tip shown
      quietAt_ = msg.lParam;
      // A move outside every tool drops a tip about to show: its timer finds no tool it waited for.
      MSG away = msg;
      away.message = WM_MOUSEMOVE;
      away.lParam = MAKELPARAM(-1, -1);
      Forward(away);
      return;
    }
    case WM_MOUSEMOVE:
      // The system repeats the last move when a window opens or closes under the pointer.
      if (quietAt_ == msg.lParam) return;
      quietAt_.reset();
      Forward(msg);
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      Forward(msg);
      return;
    default:
      return;
  }
}

void PageTooltips::Forward(const MSG& msg) const {
  MSG copy = msg;
  SendMessageW(window_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&copy));
}

}  // namespace qv::win
