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

#include <cstdio>
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

int Run(const Options& o) {
  const vmouse::InstallState installed = vmouse::EnsureInstalled();
  if (installed == vmouse::InstallState::Failed) return Fail(L"the virtual HID bus could not be installed or started");
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::optional<Options> options = Parse(argc, argv);
  if (!options) {
    return Fail(
        L"usage: vmousectl plug MEMORY_FILE --log LOG_FILE [--unit N] | unplug [--unit N] | "
        L"foreign [--unit N] [--refuse-open] | list | install");
  }
  return Run(*options);
}
