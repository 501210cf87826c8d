#pragma once
// The commands of qv318ctl over any HID bus: the platform's, or the simulated mouse.
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <span>
#include <string>

#include "cli/arguments.h"
#include "cli/exit_codes.h"
#include "common/platform.h"
#include "config/local_files.h"
#include "device/hid_bus.h"

namespace qv::cli {

struct Environment {
  HidBus& bus;
  Pause& pause;
  FileSystem& files;
  std::ostream& out;
  // Why no mouse could be opened, when the platform knows more than "not found"; may be empty.
  std::function<std::string()> noMouseReason;
  // Held for a whole command that talks to the mouse; none when null.
  TransferLock* lock = nullptr;
  // The profiles' folder unless --folder names another.
  std::u16string profilesFolder;
};

struct Outcome {
  ExitCode code = ExitCode::Ok;
  std::string error;  // one sentence for stderr when code is not Ok
};

Outcome RunCommand(const Command& command, Environment& environment);

// What differs between the Windows and the Linux program.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual std::unique_ptr<HidBus> CreateBus() = 0;
  // The lock every program that talks to the mouse takes (common/platform.h).
  virtual std::unique_ptr<TransferLock> CreateTransferLock() = 0;
  virtual std::string NoMouseReason() { return {}; }
  // The Profiles folder this program uses unless --folder names another.
  virtual std::filesystem::path ProfilesFolder() = 0;
};

// The whole program: the arguments, the bus (--sim FILE or the platform's), the command,
// and its error sentence on `err`. Answers the exit code.
int RunProgram(std::span<const std::string> args, std::ostream& out, std::ostream& err, Platform& platform);

}  // namespace qv::cli
