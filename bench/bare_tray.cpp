// The floor for the start-up time: the least a dialog program that lives in the tray does
// before its icon shows (a window, an icon, Shell_NotifyIconW), started the same way.
#include <windows.h>
#include <shellapi.h>

namespace {

INT_PTR CALLBACK Proc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_INITDIALOG) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    lstrcpyW(icon.szTip, L"bare");
    Shell_NotifyIconW(NIM_ADD, &icon);
    SetTimer(window, 1, 1500, nullptr);  // ends by itself, so the benchmark needs no kill
    return TRUE;
  }
  if (message == WM_TIMER || message == WM_CLOSE) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = window;
    icon.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &icon);
    EndDialog(window, 0);
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // An empty template in memory: no resources, nothing but the dialog itself.
  alignas(4) static WORD templ[16] = {};
  auto* header = reinterpret_cast<DLGTEMPLATE*>(templ);
  header->style = WS_POPUP;
  header->cx = 10;
  header->cy = 10;
  return static_cast<int>(DialogBoxIndirectParamW(instance, header, nullptr, Proc, 0));
}
