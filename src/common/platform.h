#pragma once
// The small services the core asks of the platform. The Win32 layer implements them with
// the real system calls; native tests use recording fakes.
#include <cstdint>
#include <string_view>

namespace qv {

// A modal message box with an OK button on the main window. An empty caption stands for
// the application's title (the executable's name without its extension).
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(std::u16string_view text, std::u16string_view caption) = 0;
};

// A fixed pause of the protocol. Real in the product, recorded in unit tests.
class Pause {
 public:
  virtual ~Pause() = default;
  virtual void Sleep(uint32_t milliseconds) = 0;
};

// What the shell does for the core: tray notices (sent as WM_USER+2 to the main window,
// so they are shown before the caller goes on) and hiding the main window.
class ShellActions {
 public:
  virtual ~ShellActions() = default;
  virtual void SendNotice(uint32_t kind, int64_t value) = 0;
  virtual void HideMainWindow() = 0;
  // A mouse that arrived has been read completely: the page must show what it holds.
  virtual void ShowMouseSettings() = 0;
};

// Optional debug trace for the diagnostic texts that are never shown to the user.
class DebugTrace {
 public:
  virtual ~DebugTrace() = default;
  virtual void Write(std::u16string_view text) = 0;
};

}  // namespace qv
