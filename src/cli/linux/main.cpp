// qv318ctl for Linux: the command line over hidraw.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/linux/flock_lock.h"
#include "device/linux/hidraw_hid_bus.h"

namespace {

class LinuxPlatform final : public qv::cli::Platform {
 public:
  std::unique_ptr<qv::HidBus> CreateBus() override {
    auto bus = std::make_unique<qv::linux_hid::HidrawHidBus>(qv::linux_hid::CreatePosixHidrawSystem());
    bus_ = bus.get();
    return bus;
  }
  std::unique_ptr<qv::TransferLock> CreateTransferLock() override {
    return std::make_unique<qv::cli::FlockTransferLock>(qv::cli::kTransferLockPath);
  }
  // The per-user configuration folder: the program itself lives in a folder not its own.
  std::filesystem::path ProfilesFolder() override {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base = config != nullptr && *config != '\0' ? std::filesystem::path(config)
                                       : std::filesystem::path(home != nullptr ? home : ".") / ".config";
    return base / "qv318" / "Profiles";
  }
  std::string NoMouseReason() override {
    if (bus_ == nullptr || !bus_->DeniedNode()) return {};
    return qv::linux_hid::PermissionDeniedText(*bus_->DeniedNode());
  }

 private:
  qv::linux_hid::HidrawHidBus* bus_ = nullptr;  // owned by the command that runs
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  LinuxPlatform platform;
  return qv::cli::RunProgram(args, std::cout, std::cerr, platform);
}
