#pragma once
// The single key dialog's keyboard hook: a hook on this thread that tells one window of
// every keystroke the thread retrieves, before the window could act on it. A hook
// procedure takes no context, so what it shares is one process-wide object; one single
// key dialog is open at a time.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/win32/handles.h"

namespace qv::win {

inline constexpr UINT kKeyCapturedMessage = 0xB04;  // sent to the notified window, no data

// A keystroke as the hook saw it: the system's name for the key and the message's lParam.
struct Keystroke {
  std::u16string name;
  uint32_t lParam = 0;
};

class KeystrokeHook {
 public:
  KeystrokeHook() = default;
  ~KeystrokeHook() { Remove(); }
  KeystrokeHook(const KeystrokeHook&) = delete;
  KeystrokeHook& operator=(const KeystrokeHook&) = delete;

  // WH_KEYBOARD on this thread, sending kKeyCapturedMessage to `notify` for each key-down,
  // key-up and repeat. Answers the system's error code when it refuses.
  std::optional<DWORD> Install(HWND notify);
  // After this no keystroke reaches the hook or the window.
  void Remove();
  // The last keystroke any hook of the process saw; it outlives the dialog that saw it.
  static const Keystroke& Last();

 private:
  UniqueHook hook_;
};

}  // namespace qv::win
