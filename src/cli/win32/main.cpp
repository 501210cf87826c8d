// qv318ctl.exe: the command line over SetupAPI and HID.DLL.
#include <windows.h>

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/win32/console_output.h"
#include "common/text.h"
#include "common/win32/dll_search.h"
#include "common/win32/transfer_lock_win32.h"
#include "device/win32/setupapi_hid_bus.h"

namespace {

class WindowsPlatform final : public qv::cli::Platform {
 public:
  std::unique_ptr<qv::HidBus> CreateBus() override { return std::make_unique<qv::win::SetupApiHidBus>(); }
  std::unique_ptr<qv::TransferLock> CreateTransferLock() override {
    return std::make_unique<qv::win::Win32TransferLock>();
  }
  // Beside the program, where the tray program keeps them too.
  std::filesystem::path ProfilesFolder() override {
    wchar_t module[1024];
    const DWORD length = GetModuleFileNameW(nullptr, module, 1024);
    return std::filesystem::path(std::wstring(module, length < 1024 ? length : 0)).parent_path() / L"Profiles";
  }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
  qv::win::LoadDllsFromSystem32Only();  // first of all: it may run from an administrator's prompt
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(qv::ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
  WindowsPlatform platform;
  qv::cli::ConsoleOutput out(STD_OUTPUT_HANDLE, std::cout), err(STD_ERROR_HANDLE, std::cerr);
  return qv::cli::RunProgram(args, out.Stream(), err.Stream(), platform);
}
