#include "device/win32/sim_file_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "common/paths.h"
#include "common/win32/wide.h"
#include "device/device_events.h"
#include "device/protocol.h"
#include "device/win32/platform_hid_bus.h"

namespace qv::win {
namespace {

struct Quiet : MessageBoxes, Pause, ShellActions {
  int shown = 0;
  void Show(std::u16string_view, std::u16string_view) override { ++shown; }
  void Sleep(uint32_t) override {}
  void SendNotice(uint32_t, int64_t) override {}
  void HideMainWindow() override {}
  uint32_t ShowMouseSettings() override { return 0; }
};

std::string ReadAll(const std::u16string& path) {
  const HANDLE file = CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof(chunk), &read, nullptr) && read != 0) bytes.append(chunk, read);
  CloseHandle(file);
  return bytes;
}

class SimFileStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveFiles(); }
  void TearDown() override { RemoveFiles(); }
  void RemoveFiles() {
    DeleteFileW(W(store.MemoryPath()));
    DeleteFileW(W(store.LogPath()));
  }

  SimFileStore store{ProgramDirectory()};
};

TEST_F(SimFileStoreTest, FilesLieBesideTheExecutable) {
  const std::u16string exe = ModulePath();
  EXPECT_EQ(store.MemoryPath(), std::u16string(DirectoryOf(exe)) + u"\\simmouse.bin");
  EXPECT_EQ(store.LogPath().substr(store.LogPath().size() - 13), u"\\simmouse.log");
}

TEST_F(SimFileStoreTest, SimulatedBuildKeepsMemoryAndLogInTheProgramDirectory) {
  AppState state;
  Quiet quiet;
  ConfigImage written;
  {
    const std::unique_ptr<HidBus> bus = CreateSimulatedHidBus(ProgramDirectory());
    DeviceLink link(*bus, state, quiet);
    MouseProtocol protocol(link, state, quiet, quiet);
    NoTransferLock lock;
    ASSERT_EQ(ConnectAtStartup({link, protocol, state, quiet, lock}), SettleResult::Connected);
    EXPECT_TRUE(state.imageComplete);
    EXPECT_EQ(ReadAll(store.MemoryPath()), "");  // a read changes nothing
    written = state.image;
    written.StatusRate() = 8;
    written.Block(2)[5] ^= 0x5A;
    ASSERT_EQ(protocol.WriteOperation(written), WriteResult::Complete);
  }
  const std::string memory = ReadAll(store.MemoryPath());
  ASSERT_EQ(memory.size(), kImageSize);
  EXPECT_TRUE(std::equal(written.bytes.begin(), written.bytes.end(), memory.begin(),
                         [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); }));

  std::istringstream log(ReadAll(store.LogPath()));
  const std::regex command(R"(\d+ (set|get) cmd( [0-9a-f]{2}){8})");
  const std::regex data(R"(\d+ (set|get) data( [0-9a-f]{2}){65})");
  const std::regex ask(R"(\d+ ask (cmd 01|data 00))");  // every get request names its report id
  int lines = 0;
  for (std::string line; std::getline(log, line); ++lines) {
    EXPECT_TRUE(std::regex_match(line, command) || std::regex_match(line, data) || std::regex_match(line, ask))
        << line;
  }
  EXPECT_EQ(lines, (17 + 11) + (18 + 6));  // one read and one write, with their get requests

  // A new mouse in the same place starts from the stored memory.
  AppState again;
  const std::unique_ptr<HidBus> bus = CreateSimulatedHidBus(ProgramDirectory());
  DeviceLink link(*bus, again, quiet);
  MouseProtocol protocol(link, again, quiet, quiet);
  NoTransferLock lock;
  ASSERT_EQ(ConnectAtStartup({link, protocol, again, quiet, lock}), SettleResult::Connected);
  EXPECT_EQ(again.image.bytes, written.bytes);
  EXPECT_EQ(quiet.shown, 0);
}

}  // namespace
}  // namespace qv::win
