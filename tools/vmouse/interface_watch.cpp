#include "interface_watch.h"

#include <dbt.h>

#include <algorithm>
#include <cwctype>

#include "device/win32/setupapi_hid_bus.h"
#include "interfaces.h"
#include "vmouse_control.h"

namespace vmouse {
namespace {

constexpr wchar_t kWindowClass[] = L"VMouseCtlWatch";

std::wstring Lower(std::wstring text) {
  std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
  return text;
}

ATOM RegisterWatchClass() {
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kWindowClass;
  return RegisterClassW(&wc);
}

}  // namespace

InterfaceWatch::InterfaceWatch(unsigned unit) {
  wchar_t instance[64];
  std::swprintf(instance, 64, VMOUSE_INSTANCE_FORMAT, unit, 0u);
  marker_ = L"#" + Lower(instance);
  marker_.resize(marker_.size() - 4);  // the collection's digits vary
  static const ATOM registered = RegisterWatchClass();
  (void)registered;
  window_ = qv::win::UniqueWindow(
      CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr));
  if (!window_) return;
  SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InterfaceWatch::Procedure));
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = qv::win::kHidInterfaceClass;
  notify_ = qv::win::UniqueDeviceNotify(RegisterDeviceNotificationW(window_.get(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

bool InterfaceWatch::Names(const wchar_t* path) const { return Lower(path).find(marker_) != std::wstring::npos; }

LRESULT CALLBACK InterfaceWatch::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<InterfaceWatch*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam);
  if (message == WM_DEVICECHANGE && self && header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
    const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    if (self->Names(device->dbcc_name)) {
      if (wParam == DBT_DEVICEARRIVAL) ++self->arrivals_;
      if (wParam == DBT_DEVICEREMOVECOMPLETE) ++self->removals_;
    }
    return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::vector<std::wstring> InterfaceWatch::PresentPaths() const {
  std::vector<std::wstring> mine;
  for (const std::wstring& path : PresentInterfaces(qv::win::kHidInterfaceClass)) {
    if (Names(path.c_str())) mine.push_back(path);
  }
  return mine;
}

template <typename Announced, typename Listed>
bool InterfaceWatch::PumpUntil(Announced announced, Listed listed, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  ULONGLONG listedSince = 0;
  for (;;) {
    const ULONGLONG now = GetTickCount64();
    if (!listed()) {
      listedSince = 0;
    } else if (announced()) {
      return true;
    } else if (listedSince == 0) {
      listedSince = now;
    } else if (now - listedSince >= kLateListenerMs) {
      // Wine's sechost starts listening on a thread after RegisterDeviceNotification has
      // returned, so a change made at once can be announced before this window hears it.
      // The system lists the change before it announces it: a list that stays settled means
      // the announcement went out to everyone else.
      return true;
    }
    if (now >= deadline) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(std::min<ULONGLONG>(deadline - now, 100)),
                              QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

bool InterfaceWatch::WaitUntilPresent(unsigned count, DWORD timeoutMs) {
  return PumpUntil([&] { return arrivals_ >= count; }, [&] { return PresentCount() == count; }, timeoutMs);
}

bool InterfaceWatch::WaitUntilGone(unsigned count, DWORD timeoutMs) {
  return PumpUntil([&] { return removals_ >= count; }, [&] { return PresentCount() == 0; }, timeoutMs);
}

}  // namespace vmouse
