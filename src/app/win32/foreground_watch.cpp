#include "app/win32/foreground_watch.h"

#include "common/win32/handles.h"

namespace qv::win {
namespace {

ForegroundWatch* gWatch = nullptr;  // the hook's callback carries no context of its own

}  // namespace

std::u16string ImagePathOfWindow(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == 0) return {};
  UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, process));
  if (!handle) return {};
  wchar_t path[MAX_PATH * 4];
  DWORD size = static_cast<DWORD>(std::size(path));
  if (!QueryFullProcessImageNameW(handle.get(), 0, path, &size)) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(path), size);
}

void ForegroundWatch::Start(Handler handler) {
  Stop();
  handler_ = std::move(handler);
  gWatch = this;
  hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, &ForegroundWatch::OnEvent, 0, 0,
                          WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  last_ = nullptr;
  Poll();
}

void ForegroundWatch::Poll() {
  if (hook_ != nullptr && GetForegroundWindow() != last_) Report(GetForegroundWindow());
}

void ForegroundWatch::Stop() {
  if (hook_ != nullptr) UnhookWinEvent(hook_);
  hook_ = nullptr;
  if (gWatch == this) gWatch = nullptr;
}

void CALLBACK ForegroundWatch::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG, LONG, DWORD, DWORD) {
  if (event == EVENT_SYSTEM_FOREGROUND && gWatch != nullptr) gWatch->Report(window);
}

void ForegroundWatch::Report(HWND window) {
  last_ = window;
  if (window == nullptr || !handler_) return;
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == GetCurrentProcessId()) return;
  handler_(ImagePathOfWindow(window));
}

}  // namespace qv::win
