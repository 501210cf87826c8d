#pragma once
// Installs the virtual HID bus once: the INF beside vmousectl on the root device
// ROOT\VMOUSEBUS\0, whose bus then presents the control interface. Later calls start the
// bus's service when it is not running, and put a rebuilt driver in place of the installed
// one (it runs from the Wine server's next start). A bus that does not answer yet is neither
// installed nor started in a Wine session with two service managers: that is told at once.

namespace vmouse {

enum class InstallState { Running, RunningOlderBuild, NotInstalled, NotStarted, TwoServiceManagers };

InstallState EnsureInstalled();

}  // namespace vmouse
