#include "device/win32/platform_hid_bus.h"
#include "device/win32/setupapi_hid_bus.h"

namespace qv::win {

std::unique_ptr<HidBus> CreatePlatformHidBus() { return std::make_unique<SetupApiHidBus>(); }

}  // namespace qv::win
