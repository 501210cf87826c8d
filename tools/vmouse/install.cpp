#include "install.h"

#include <windows.h>

#include <newdev.h>
#include <setupapi.h>
#include <tlhelp32.h>

#include <string>

#include "common/win32/handles.h"

#include "device/win32/setupapi_hid_bus.h"
#include "interfaces.h"

namespace vmouse {
namespace {

constexpr wchar_t kRootInstance[] = L"ROOT\\VMOUSEBUS\\0";
constexpr wchar_t kRootHardwareIds[] = L"ROOT\\VMOUSEBUS\0";  // a list: ends with two nulls
constexpr wchar_t kBusService[] = L"vmousebus";
constexpr wchar_t kDriverFiles[][16] = {L"vmousebus.sys", L"vmousehid.sys"};
constexpr DWORD kStartTimeoutMs = 20000;
// {4d36e97d-e325-11ce-bfc1-08002be10318}
constexpr GUID kSystemClass = {0x4d36e97d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

struct ServiceHandleTraits {
  static SC_HANDLE Invalid() { return nullptr; }
  static void Close(SC_HANDLE h) { CloseServiceHandle(h); }
};
using UniqueService = qv::win::UniqueResource<SC_HANDLE, ServiceHandleTraits>;

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

bool BusAnswers() { return !PresentInterfaces(kControlInterface).empty(); }

// `wineboot -i` run where Wine has already booted the prefix (the first program of a new
// prefix boots it) starts a second services.exe beside the first. Both take the calls of the
// service control pipe, each a share of the connections, so a service one of them creates is
// unknown to the other, and neither can install or start a driver. The snapshot holds this
// Wine session's processes only.
unsigned ServiceManagersRunning() {
  const qv::win::UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  unsigned count = 0;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
    if (_wcsicmp(entry.szExeFile, L"services.exe") == 0) ++count;
  }
  return count;
}

// The root device, registered with the bus's hardware id; false when it exists already.
bool RegisterRootDevice() {
  const qv::win::UniqueDeviceInfoList set(SetupDiCreateDeviceInfoList(&kSystemClass, nullptr));
  if (!set) return false;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  if (!SetupDiCreateDeviceInfoW(set.get(), kRootInstance, &kSystemClass, nullptr, nullptr, 0, &device)) return false;
  return SetupDiSetDeviceRegistryPropertyW(set.get(), &device, SPDRP_HARDWAREID,
                                           reinterpret_cast<const BYTE*>(kRootHardwareIds), sizeof kRootHardwareIds) &&
         SetupDiCallClassInstaller(DIF_REGISTERDEVICE, set.get(), &device);
}

bool InstallDriver() {
  const std::wstring inf = OwnFolder() + L"vmouse.inf";
  BOOL reboot = FALSE;
  return UpdateDriverForPlugAndPlayDevicesW(nullptr, L"ROOT\\VMOUSEBUS", inf.c_str(), INSTALLFLAG_FORCE, &reboot) !=
         FALSE;
}

std::string FileBytes(const std::wstring& path) {
  const qv::win::UniqueFileHandle file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr));
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (file && ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read != 0) bytes.append(buffer, read);
  return bytes;
}

// A driver rebuilt since it was installed replaces the installed copy, which the running
// bus keeps using (renamed aside) until the Wine server next starts. True when it did.
bool RefreshDriverFiles() {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  bool refreshed = false;
  for (const wchar_t* file : kDriverFiles) {
    const std::wstring built = OwnFolder() + file;
    const std::wstring installed = std::wstring(system) + L"\\drivers\\" + file;
    if (FileBytes(built) == FileBytes(installed)) continue;
    const std::wstring aside = installed + L".old";
    DeleteFileW(aside.c_str());
    MoveFileW(installed.c_str(), aside.c_str());
    refreshed = CopyFileW(built.c_str(), installed.c_str(), FALSE) || refreshed;
  }
  return refreshed;
}

bool StartBusService() {
  const UniqueService manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
  const UniqueService service(manager ? OpenServiceW(manager.get(), kBusService, SERVICE_START) : nullptr);
  if (!service) return false;
  return StartServiceW(service.get(), 0, nullptr) || GetLastError() == ERROR_SERVICE_ALREADY_RUNNING;
}

bool WaitForBus() {
  const ULONGLONG deadline = GetTickCount64() + kStartTimeoutMs;
  while (!BusAnswers()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(100);
  }
  return true;
}

}  // namespace

InstallState EnsureInstalled() {
  if (BusAnswers()) return RefreshDriverFiles() ? InstallState::RunningOlderBuild : InstallState::Running;
  if (ServiceManagersRunning() > 1) return InstallState::TwoServiceManagers;
  if (RegisterRootDevice()) {
    if (!InstallDriver()) return InstallState::NotInstalled;
  } else {
    RefreshDriverFiles();
    if (!StartBusService()) return InstallState::NotStarted;
  }
  return WaitForBus() ? InstallState::Running : InstallState::NotStarted;
}

}  // namespace vmouse
