#pragma once
// Installs the virtual HID bus once: the INF beside vmousectl on the root device
// ROOT\VMOUSEBUS\0, whose bus then presents the control interface. Later calls start the
// bus's service when it is not running, and put a rebuilt driver in place of the installed
// one (it runs from the Wine server's next start).

namespace vmouse {

enum class InstallState { Running, RunningOlderBuild, Failed };

InstallState EnsureInstalled();

}  // namespace vmouse
