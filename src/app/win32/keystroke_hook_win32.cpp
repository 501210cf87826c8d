#include "app/win32/keystroke_hook_win32.h"

#include "common/win32/wide.h"

namespace qv::win {
namespace {

constexpr int kNameCapacity = 32;  // UTF-16 units, the terminating zero included

// What the hook procedure shares with the dialog that installed it.
struct HookState {
  HHOOK hook = nullptr;
  HWND notify = nullptr;
  Keystroke last;
};

HookState& State() {
  static HookState state;
  return state;
}

LRESULT CALLBACK OnKeystroke(int code, WPARAM wParam, LPARAM lParam) {
  HookState& state = State();
  if (code != HC_ACTION) return CallNextHookEx(state.hook, code, wParam, lParam);
  wchar_t name[kNameCapacity] = {};
  const int length = GetKeyNameTextW(static_cast<LONG>(lParam), name, kNameCapacity);
  state.last = Keystroke{U16(std::wstring_view(name, static_cast<size_t>(length > 0 ? length : 0))),
                         static_cast<uint32_t>(lParam)};
  if (state.notify) SendMessageW(state.notify, kKeyCapturedMessage, 0, 0);
  return 0;  // the keystroke goes on to its window as usual
}

}  // namespace

std::optional<DWORD> KeystrokeHook::Install(HWND notify) {
  Remove();
  HookState& state = State();
  state.notify = notify;
  hook_.reset(SetWindowsHookExW(WH_KEYBOARD, &OnKeystroke, nullptr, GetCurrentThreadId()));
  if (!hook_) {
    const DWORD error = GetLastError();
    state.notify = nullptr;
    return error;
  }
  state.hook = hook_.get();
  return std::nullopt;
}

void KeystrokeHook::Remove() {
  if (!hook_) return;
  hook_.reset();
  State().hook = nullptr;
  State().notify = nullptr;
}

const Keystroke& KeystrokeHook::Last() { return State().last; }

}  // namespace qv::win
