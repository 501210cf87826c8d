#pragma once
// Watches one unit's HID interfaces: counts the system's arrival and removal notifications
// that name them (a message-only window registered for the HID interface class) and checks
// what the system lists as present.
#include <windows.h>

#include <string>
#include <vector>

#include "common/win32/handles.h"

namespace vmouse {

class InterfaceWatch {
 public:
  explicit InterfaceWatch(unsigned unit);
  InterfaceWatch(const InterfaceWatch&) = delete;
  InterfaceWatch& operator=(const InterfaceWatch&) = delete;

  // True once `count` of the unit's interfaces arrived (or went) and as many are (no longer)
  // present (or the list has shown that for kLateListenerMs without a notification reaching
  // this window); false when that did not happen within the time.
  bool WaitUntilPresent(unsigned count, DWORD timeoutMs);
  bool WaitUntilGone(unsigned count, DWORD timeoutMs);

  std::vector<std::wstring> PresentPaths() const;
  unsigned PresentCount() const { return static_cast<unsigned>(PresentPaths().size()); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool Names(const wchar_t* path) const;
  template <typename Announced, typename Listed>
  bool PumpUntil(Announced announced, Listed listed, DWORD timeoutMs);

  static constexpr ULONGLONG kLateListenerMs = 2000;

  std::wstring marker_;  // "#8&564d0001&0&": the unit's instance ids in the paths
  unsigned arrivals_ = 0;
  unsigned removals_ = 0;
  qv::win::UniqueWindow window_;
  qv::win::UniqueDeviceNotify notify_;
};

}  // namespace vmouse
