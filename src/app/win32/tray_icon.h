#pragma once
// The one notification-area icon of the main window and its balloon notices.
#include <windows.h>
#include <shellapi.h>

#include <cstddef>

#include "app/notices.h"
#include "common/win32/handles.h"

namespace qv::win {

inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;
inline constexpr UINT kNoticeMessage = WM_USER + 2;

// The record's size up to and including guidItem: the balloon fields without the
// balloon icon, as every shell since XP accepts it.
inline constexpr DWORD kNotifyIconDataSize = 968;
static_assert(offsetof(NOTIFYICONDATAW, hBalloonIcon) == kNotifyIconDataSize);

// The icon resource `id` at the size the shell draws tray icons (LoadIconMetric, small), from
// the icon's own sizes; where comctl32 lacks it, the small icon metric through LoadImageW.
UniqueIcon LoadTrayIconImage(HINSTANCE instance, int id);

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon() { Delete(); }
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Add(HWND owner, HICON icon);
  // The shell restarted (TaskbarCreated): put the icon back if it was there.
  void Restore();
  void Show(const Notice& notice);
  // The tip shown over the icon; no balloon comes again with it.
  void SetTip(std::u16string_view tip);
  void Delete();

 private:
  NOTIFYICONDATAW data_{};
  bool added_ = false;
};

}  // namespace qv::win
