#include "device/win32/platform_hid_bus.h"
#include "device/win32/sim_file_store.h"

namespace qv::win {

std::unique_ptr<HidBus> CreatePlatformHidBus() { return CreateSimulatedHidBus(ProgramDirectory()); }

}  // namespace qv::win
