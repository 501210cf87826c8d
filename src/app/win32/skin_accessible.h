#pragma once
// MSAA for a skinned window whose controls are drawn, not child windows: one IAccessible
// for the client area, its controls as simple elements (child ids 1..n in reading order),
// answered from the portable model of the window's controls.
#include <windows.h>
#include <oleacc.h>

#include <optional>
#include <vector>

#include "common/win32/handles.h"
#include "ui/page_access.h"

namespace qv::win {

// What the window tells the reader; asked afresh at every call, so it is never stale.
class AccessibleSource {
 public:
  virtual ~AccessibleSource() = default;
  virtual std::u16string AccessibleName() = 0;
  virtual std::vector<AccessibleControl> AccessibleControls() = 0;
  virtual std::optional<int> FocusedControl() = 0;  // index into the controls
  virtual void PressControl(int index) = 0;         // what a press of it does
  virtual void FocusControl(int index) = 0;
};

// Posted by a reader's default action with the control's index: the window presses it.
inline constexpr UINT kAccessiblePressMessage = WM_APP + 21;

class SkinAccessible;

// The window's accessible object: made at the first WM_GETOBJECT, cut off from the window
// when it goes (a reader may still hold it; it then answers that it is gone).
class WindowAccessible {
 public:
  WindowAccessible() = default;
  ~WindowAccessible();
  WindowAccessible(const WindowAccessible&) = delete;
  WindowAccessible& operator=(const WindowAccessible&) = delete;

  // WM_GETOBJECT: the answer for OBJID_CLIENT, none for anything else.
  std::optional<LRESULT> OnGetObject(HWND window, AccessibleSource& source, WPARAM wParam, LPARAM lParam);
  void Detach();

 private:
  UniqueCom<IAccessible> object_;
  SkinAccessible* skin_ = nullptr;  // the same object, to cut it off
};

// EVENT_OBJECT_FOCUS for control `index`, so a reader follows the keyboard.
void NotifyFocus(HWND window, int index);

// Tells a reader what a person's input changed: after each such message the window's
// controls are compared with those last told, and each control whose name, value or state
// differs raises EVENT_OBJECT_NAMECHANGE, VALUECHANGE or STATECHANGE. A new set of
// controls (a page built, a dialog opened) raises EVENT_OBJECT_REORDER.
class ChangeAnnouncer {
 public:
  // A queued message the window has just handled; only input and commands are compared.
  void AfterMessage(HWND window, AccessibleSource& source, UINT message);
  void Announce(HWND window, AccessibleSource& source);

 private:
  std::vector<AccessibleControl> told_;
  bool started_ = false;
};

}  // namespace qv::win
