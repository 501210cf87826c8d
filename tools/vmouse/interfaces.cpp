#include "interfaces.h"

#include <setupapi.h>

#include "device/win32/setupapi_hid_bus.h"
#include "vmouse_control.h"

namespace vmouse {

const GUID kControlInterface = VMOUSE_CONTROL_GUID_INIT;

std::vector<std::wstring> PresentInterfaces(const GUID& interfaceClass) {
  std::vector<std::wstring> paths;
  const qv::win::UniqueDeviceInfoList list(
      SetupDiGetClassDevsW(&interfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  if (!list) return paths;
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  for (DWORD i = 0; SetupDiEnumDeviceInterfaces(list.get(), nullptr, &interfaceClass, i, &data); ++i) {
    std::vector<DWORD> buffer(512);  // DWORD elements keep the record aligned
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof *detail;
    if (SetupDiGetDeviceInterfaceDetailW(list.get(), &data, detail, static_cast<DWORD>(buffer.size() * sizeof(DWORD)),
                                         nullptr, nullptr)) {
      paths.emplace_back(detail->DevicePath);
    }
  }
  return paths;
}

}  // namespace vmouse
