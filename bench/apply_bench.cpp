// Times Apply against the simulated mouse with the real pauses, as a ratio to the pauses
// the protocol cannot avoid: 20 ms after the status write and 100 ms after each block.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

#include "common/win32/wide.h"
#include "common/win32/win32_services.h"
#include "config/apply.h"
#include "config/local_files.h"
#include "config/settings.h"
#include "config/startup.h"
#include "config/win32/file_system_win32.h"
#include "config/win32/profile_store_win32.h"
#include "device/device_events.h"
#include "device/device_link.h"
#include "device/protocol.h"
#include "device/sim_mouse.h"

namespace {

// A benchmark has nobody to press OK: messages go to stderr.
struct PrintedMessages : qv::MessageBoxes {
  void Show(std::u16string_view text, std::u16string_view caption) override {
    std::fwprintf(stderr, L"%ls: %ls\n", qv::win::Wide(caption).c_str(), qv::win::Wide(text).c_str());
  }
};

struct NoShell : qv::ShellActions {
  void SendNotice(uint32_t, int64_t) override {}
  void HideMainWindow() override {}
  uint32_t ShowMouseSettings() override { return 0; }
};

std::u16string TempFolder() {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  std::wstring folder = std::wstring(base) + L"qv318-bench-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return qv::win::U16(folder);
}

}  // namespace

int wmain() {
  using Clock = std::chrono::steady_clock;
  const std::u16string folder = TempFolder();
  const qv::LocalPaths paths = qv::DeriveLocalPaths(folder + u"QV318_Driver.exe");
  qv::win::Win32FileSystem files;
  // config.bin is installed, never created by the program: lay one down as the installer would.
  const std::array<uint8_t, qv::kConfigFileSize> empty{};
  HANDLE config = CreateFileW(qv::win::W(paths.configFile), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(config, empty.data(), static_cast<DWORD>(empty.size()), &written, nullptr);
  CloseHandle(config);

  qv::AppState state;
  qv::SimMouse mouse;
  PrintedMessages boxes;
  qv::win::SleepPause pause;
  NoShell shell;
  qv::DeviceLink link(mouse, state, boxes);
  qv::MouseProtocol protocol(link, state, boxes, pause);
  qv::NoTransferLock lock;
  if (qv::ConnectAtStartup({link, protocol, state, shell, lock}) != qv::SettleResult::Connected) return 1;

  qv::win::Win32ProfileStore profile;
  qv::LocalState local;
  local.paths = paths;
  constexpr int kRuns = 5;
  constexpr double kFloorMs = 20 + 5 * 100;
  double total = 0;
  for (int run = 0; run < kRuns; ++run) {
    state.record[qv::uirec::kReportRate] = static_cast<uint8_t>(run % 2 ? 1 : 8);
    const auto start = Clock::now();
    qv::ApplySettings(state, local, {protocol, files, profile, boxes, u"no mouse", lock, u"busy"});
    total += std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  }
  const double mean = total / kRuns;
  std::printf("apply       %8.1f ms  floor %6.1f ms  ratio %.2f\n", mean, kFloorMs, mean / kFloorMs);
  DeleteFileW(qv::win::W(paths.configFile));
  DeleteFileW(qv::win::W(paths.settingsFile));
  RemoveDirectoryW(qv::win::W(folder));
  return 0;
}
