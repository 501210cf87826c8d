// vmousectl: plugs virtual HID devices into Wine's HID stack through the virtual bus
// (vmousebus.sys), installing the bus the first time. Each command returns when the system
// has announced the change (every HID interface of the unit arrived or gone) or fails after
// a bounded wait.
//
//   vmousectl plug MEMORY_FILE --log LOG_FILE [--unit N]   the mouse, answering from MEMORY_FILE
//   vmousectl unplug [--unit N]
//   vmousectl foreign [--unit N] [--refuse-open]           a HID device of another vendor
//   vmousectl list
//   vmousectl install
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "control_channel.h"
#include "install.h"
#include "interface_watch.h"
#include "vmouse_control.h"

namespace {

constexpr DWORD kAnnounceTimeoutMs = 30000;

struct Options {
  std::wstring command;
  std::wstring memory;
  std::wstring log;
  unsigned unit = 1;
  bool refuseOpen = false;
};

// Wine's console takes narrow text: paths and messages are written as UTF-8.
std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), size, nullptr, nullptr);
  return out;
}

void Warn(const wchar_t* text) { std::fprintf(stderr, "vmousectl: %s\n", Utf8(text).c_str()); }

int Fail(const wchar_t* text) {
  Warn(text);
  return 1;
}

std::optional<Options> Parse(int argc, wchar_t** argv) {
  Options o;
  if (argc < 2) return std::nullopt;
  o.command = argv[1];
  // An unknown command is told at once, before the bus is installed or waited for.
  static const wchar_t* const kCommands[] = {L"plug", L"unplug", L"foreign", L"list", L"install"};
  if (std::find(std::begin(kCommands), std::end(kCommands), o.command) == std::end(kCommands)) return std::nullopt;
  for (int i = 2; i < argc; ++i) {
    const std::wstring arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == L"--unit" && hasValue) {
      o.unit = static_cast<unsigned>(std::wcstoul(argv[++i], nullptr, 10));
    } else if (arg == L"--log" && hasValue) {
      o.log = argv[++i];
    } else if (arg == L"--refuse-open") {
      o.refuseOpen = true;
    } else if (o.memory.empty() && arg.rfind(L"--", 0) != 0) {
      o.memory = arg;
    } else {
      return std::nullopt;
    }
  }
  if (o.unit < 1 || o.unit > VMOUSE_UNITS) return std::nullopt;
  if (o.command == L"plug" && (o.memory.empty() || o.log.empty())) return std::nullopt;
  return o;
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t full[VMOUSE_PATH_CHARS] = {};
  const DWORD length = GetFullPathNameW(path.c_str(), VMOUSE_PATH_CHARS, full, nullptr);
  return length == 0 || length >= VMOUSE_PATH_CHARS ? std::wstring() : std::wstring(full);
}

unsigned InterfacesOf(unsigned kind) { return kind == VMOUSE_MOUSE ? 4u : 1u; }

int Plug(vmouse::ControlChannel& control, const Options& o, unsigned kind) {
  vmouse_plug request{};
  request.unit = o.unit;
  request.kind = kind;
  if (kind == VMOUSE_MOUSE) {
    const std::wstring memory = FullPath(o.memory), log = FullPath(o.log);
    if (memory.empty() || log.empty()) return Fail(L"a file path is too long");
    wcsncpy(request.memory, memory.c_str(), VMOUSE_PATH_CHARS - 1);
    wcsncpy(request.log, log.c_str(), VMOUSE_PATH_CHARS - 1);
  }
  vmouse::InterfaceWatch watch(o.unit);
  if (!control.Send(IOCTL_VMOUSE_PLUG, &request, sizeof request)) {
    return Fail(L"the bus refused the plug (is the unit already plugged in?)");
  }
  if (!watch.WaitUntilPresent(InterfacesOf(kind), kAnnounceTimeoutMs)) {
    return Fail(L"the system did not announce the device's HID interfaces in time");
  }
  return 0;
}

int Unplug(vmouse::ControlChannel& control, const Options& o) {
  vmouse::InterfaceWatch watch(o.unit);
  const unsigned present = watch.PresentCount();
  vmouse_unplug request{o.unit};
  if (!control.Send(IOCTL_VMOUSE_UNPLUG, &request, sizeof request)) return Fail(L"nothing is plugged in as that unit");
  if (!watch.WaitUntilGone(present, kAnnounceTimeoutMs)) {
    return Fail(L"the system did not announce the removal of the device's HID interfaces in time");
  }
  return 0;
}

int List(vmouse::ControlChannel& control) {
  vmouse_list units{};
  if (!control.Receive(IOCTL_VMOUSE_LIST, &units, sizeof units)) return Fail(L"the bus did not answer");
  static const wchar_t* const kKinds[] = {L"", L"mouse 04D9:A09E", L"foreign device 045E:0040",
                                          L"foreign device 045E:0041 that refuses every open"};
  for (unsigned u = 0; u < VMOUSE_UNITS; ++u) {
    if (units.kind[u] == VMOUSE_NONE) continue;
    std::printf("unit %u: %s\n", u + 1, Utf8(kKinds[units.kind[u]]).c_str());
    for (const std::wstring& path : vmouse::InterfaceWatch(u + 1).PresentPaths()) std::printf("  %s\n", Utf8(path).c_str());
  }
  return 0;
}

// Why the bus is not there, and what mends it; none while it runs.
const wchar_t* InstallFailure(vmouse::InstallState state) {
  switch (state) {
    case vmouse::InstallState::TwoServiceManagers:
      return L"this Wine session runs two service managers (services.exe), as after `wineboot -i` in a prefix "
             L"Wine had already started, and neither installs nor starts the virtual HID bus: end the session "
             L"with `wineserver -k` and run this command again (a new prefix needs no `wineboot -i`: the first "
             L"Wine program creates it)";
    case vmouse::InstallState::NotInstalled:
      return L"the virtual HID bus could not be installed from vmouse.inf beside vmousectl.exe";
    case vmouse::InstallState::NotStarted:
      return L"the virtual HID bus is installed but did not start within 20 s";
    case vmouse::InstallState::Running:
    case vmouse::InstallState::RunningOlderBuild:
      break;
  }
  return nullptr;
}

int Run(const Options& o) {
  const vmouse::InstallState installed = vmouse::EnsureInstalled();
  if (const wchar_t* failure = InstallFailure(installed)) return Fail(failure);
  if (installed == vmouse::InstallState::RunningOlderBuild) {
    Warn(L"the drivers were rebuilt; the new ones run from the Wine server's next start (wineserver -k)");
  }
  if (o.command == L"install") return 0;
  vmouse::ControlChannel control;
  if (!control.Open()) return Fail(L"the virtual HID bus does not answer");
  if (o.command == L"plug") return Plug(control, o, VMOUSE_MOUSE);
  if (o.command == L"foreign") return Plug(control, o, o.refuseOpen ? VMOUSE_FOREIGN_REFUSING : VMOUSE_FOREIGN);
  if (o.command == L"unplug") return Unplug(control, o);
  if (o.command == L"list") return List(control);
  return Fail(L"unknown command");
}

constexpr wchar_t kUsage[] =
    L"usage: vmousectl plug MEMORY_FILE --log LOG_FILE [--unit N] | unplug [--unit N] | "
    L"foreign [--unit N] [--refuse-open] | list | install | --help";

constexpr char kHelp[] =
    "vmousectl: plugs virtual HID devices into this Wine prefix's HID stack (the virtual bus\n"
    "vmousebus.sys, installed by the first command).\n"
    "\n"
    "  vmousectl plug MEMORY_FILE --log LOG_FILE [--unit N]\n"
    "      the QV318 mouse (04D9:A09E) as unit N (1..8, default 1): its memory from\n"
    "      MEMORY_FILE (322 bytes, otherwise the default memory; written back after every\n"
    "      change), every transfer logged in LOG_FILE\n"
    "  vmousectl unplug [--unit N]\n"
    "  vmousectl foreign [--unit N] [--refuse-open]\n"
    "      a HID mouse of another vendor (with --refuse-open, one whose every open fails)\n"
    "  vmousectl list        the units plugged in and their HID interfaces\n"
    "  vmousectl install     installs and starts the bus only\n"
    "  vmousectl --help      this text\n"
    "\n"
    "Each command returns once the system has announced the change, or fails after 30 s.\n"
    "The first command in a prefix installs the bus and starts it (a new prefix needs no\n"
    "`wineboot -i`: the first Wine program creates it, and a `wineboot -i` after that leaves\n"
    "the session with two service managers, in which no driver installs; `wineserver -k`\n"
    "ends such a session).\n"
    "Plugged units live in the bus, which runs while the prefix's Wine server runs: a server\n"
    "left to exit (3 s after the last Wine program) takes them with it. Hold it for a\n"
    "session with `wineserver -p` (and end it with `wineserver -k`).\n"
    "Exit code: 0 done, 1 failed (the reason on stderr).\n";

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc == 2 && (std::wstring(argv[1]) == L"--help" || std::wstring(argv[1]) == L"-h" ||
                    std::wstring(argv[1]) == L"help")) {
    std::fputs(kHelp, stdout);
    return 0;
  }
  const std::optional<Options> options = Parse(argc, argv);
  if (!options) return Fail(kUsage);
  return Run(*options);
}
