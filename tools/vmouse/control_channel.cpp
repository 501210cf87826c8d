#include "control_channel.h"

#include "interfaces.h"

namespace vmouse {

bool ControlChannel::Open() {
  for (const std::wstring& path : PresentInterfaces(kControlInterface)) {
    bus_ = qv::win::UniqueFileHandle(
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (bus_) return true;
  }
  return false;
}

bool ControlChannel::Send(DWORD code, const void* input, DWORD size) {
  DWORD returned = 0;
  return DeviceIoControl(bus_.get(), code, const_cast<void*>(input), size, nullptr, 0, &returned, nullptr) != FALSE;
}

bool ControlChannel::Receive(DWORD code, void* output, DWORD size) {
  DWORD returned = 0;
  return DeviceIoControl(bus_.get(), code, nullptr, 0, output, size, &returned, nullptr) != FALSE && returned == size;
}

}  // namespace vmouse
