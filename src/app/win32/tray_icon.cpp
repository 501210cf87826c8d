#include "app/win32/tray_icon.h"

#include <algorithm>
#include <cwchar>

#include <commctrl.h>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

constexpr UINT kTrayIconId = 1;
constexpr UINT kAddFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

template <size_t N>
void CopyText(wchar_t (&target)[N], std::u16string_view text) {
  const std::wstring wide = Wide(text.substr(0, N - 1));
  std::fill(std::begin(target), std::end(target), L'\0');
  std::copy(wide.begin(), wide.end(), target);
}

}  // namespace

// The icon file holds an image for each small-icon size of the usual scales, so the system's
// pick is the one LoadIconMetric would make, without loading the common controls at start.
UniqueIcon LoadTrayIconImage(HINSTANCE instance, int id) {
  return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON,
                                                  GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
}

void TrayIcon::Add(HWND owner, HICON icon) {
  data_ = NOTIFYICONDATAW{};
  data_.cbSize = kNotifyIconDataSize;
  data_.hWnd = owner;
  data_.uID = kTrayIconId;
  data_.uFlags = kAddFlags;
  data_.uCallbackMessage = kTrayCallbackMessage;
  data_.hIcon = icon;
  CopyText(data_.szTip, u"Gaming Mouse Setting");
  Shell_NotifyIconW(NIM_ADD, &data_);
  added_ = true;
}

void TrayIcon::Restore() {
  if (!added_) return;
  // Re-adding with the balloon flag would show the last notice again.
  NOTIFYICONDATAW record = data_;
  record.uFlags = kAddFlags;
  Shell_NotifyIconW(NIM_ADD, &record);
}

void TrayIcon::Show(const Notice& notice) {
  if (!added_) return;
  CopyText(data_.szInfo, notice.text);
  CopyText(data_.szInfoTitle, notice.title);
  data_.uFlags = kAddFlags | NIF_INFO;
  data_.dwInfoFlags = NIIF_INFO;
  data_.uTimeout = notice.timeoutMs;
  Shell_NotifyIconW(NIM_MODIFY, &data_);
}

void TrayIcon::SetTip(std::u16string_view tip) {
  CopyText(data_.szTip, tip);
  if (!added_) return;
  NOTIFYICONDATAW record = data_;
  record.uFlags = NIF_TIP;
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

void TrayIcon::Delete() {
  if (!added_) return;
  Shell_NotifyIconW(NIM_DELETE, &data_);
  added_ = false;
}

}  // namespace qv::win
