#pragma once
// Which program's window is in front: the system tells an out-of-context hook (no code of
// ours runs in other processes), and the program is named by its image's full path.
#include <windows.h>

#include <functional>
#include <string>

namespace qv::win {

class ForegroundWatch {
 public:
  using Handler = std::function<void(const std::u16string& imagePath)>;

  ForegroundWatch() = default;
  ~ForegroundWatch() { Stop(); }
  ForegroundWatch(const ForegroundWatch&) = delete;
  ForegroundWatch& operator=(const ForegroundWatch&) = delete;

  // Calls `handler` on this thread for each window of another process that comes to the
  // front (windows of this process are passed over: choosing from the tray is not a game).
  // The window in front now is reported at once.
  void Start(Handler handler);
  void Stop();
  bool Running() const { return hook_ != nullptr; }
  // Looks at the window in front itself: Wine does not always pass the event on to a hook
  // of another process, and a missed change must not leave the wrong profile on the mouse.
  void Poll();

 private:
  static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child, DWORD thread,
                               DWORD time);
  void Report(HWND window);

  HWINEVENTHOOK hook_ = nullptr;
  HWND last_ = nullptr;
  Handler handler_;
};

// The full path of the program that owns `window`; empty when it cannot be asked.
std::u16string ImagePathOfWindow(HWND window);

}  // namespace qv::win
