// The mouse on the virtual HID bus (tools/vmouse), seen through Wine's hidclass, hidparse
// and hid.dll as the program sees a real one: its collections' report lengths, and the
// refusal of a report with a wrong id or length.
#include <windows.h>

extern "C" {
#include <hidsdi.h>
}

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/text.h"
#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "device/device_link.h"
#include "device/win32/setupapi_hid_bus.h"
#include "device/device_fakes.h"
#include "model/app_state.h"

namespace qv::win {
namespace {

constexpr wchar_t kUnit[] = L"7";
constexpr wchar_t kUnitMarker[] = L"#8&564d0007&0&";  // the unit's instance ids in its paths
constexpr DWORD kVmousectlTimeoutMs = 60000;

std::wstring TempFile(const wchar_t* name) {
  wchar_t folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, folder);
  return std::wstring(folder) + name;
}

// vmousectl from the build (a host path; Wine shows the host's root on Z:).
DWORD Vmousectl(const std::wstring& arguments) {
  std::wstring command = L"\"Z:" + Wide(FromUtf8(QV_VMOUSE_DIR)) + L"/vmousectl.exe\" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return GetLastError();
  }
  const UniqueHandle owner(process.hProcess);
  CloseHandle(process.hThread);
  DWORD code = 1;
  if (WaitForSingleObject(process.hProcess, kVmousectlTimeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  return code;
}

class VirtualMouse : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    DeleteFileW(TempFile(L"vmouse-test.bin").c_str());
    plugged_ = Vmousectl(L"plug \"" + TempFile(L"vmouse-test.bin") + L"\" --log \"" + TempFile(L"vmouse-test.log") +
                         L"\" --unit " + kUnit) == 0;
  }
  static void TearDownTestSuite() {
    if (plugged_) Vmousectl(std::wstring(L"unplug --unit ") + kUnit);
  }
  void SetUp() override { ASSERT_TRUE(plugged_) << "vmousectl could not plug the virtual mouse in"; }

  // The unit's collections, opened with access 0 as the program opens them.
  static std::vector<UniqueFileHandle> OpenCollections() {
    std::vector<UniqueFileHandle> opened;
    SetupApiHidBus bus;
    bus.BeginEnumeration();
    for (uint32_t member = 0;; ++member) {
      const HidInterface entry = bus.EnumerateInterface(member);
      if (entry.status == HidEnumStatus::NoMoreItems) break;
      if (!entry.path || Wide(*entry.path).find(kUnitMarker) == std::wstring::npos) continue;
      opened.emplace_back(CreateFileW(W(*entry.path), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                      nullptr));
    }
    bus.EndEnumeration();
    return opened;
  }

  static inline bool plugged_ = false;
};

TEST_F(VirtualMouse, CollectionsHaveTheMousesUsagesAndReportLengths) {
  std::set<std::tuple<int, int, int>> found;  // usage page, usage, feature report length
  for (const UniqueFileHandle& collection : OpenCollections()) {
    ASSERT_TRUE(collection);
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    ASSERT_TRUE(HidD_GetAttributes(collection.get(), &attributes));
    EXPECT_EQ(attributes.VendorID, 0x04D9);
    EXPECT_EQ(attributes.ProductID, 0xA09E);
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    ASSERT_TRUE(HidD_GetPreparsedData(collection.get(), &preparsed));
    HIDP_CAPS caps{};
    EXPECT_EQ(HidP_GetCaps(preparsed, &caps), HIDP_STATUS_SUCCESS);
    HidD_FreePreparsedData(preparsed);
    found.emplace(caps.UsagePage, caps.Usage, caps.FeatureReportByteLength);
  }
  const std::set<std::tuple<int, int, int>> expected = {{1, 2, 65}, {1, 6, 8}, {0x0C, 1, 0}, {1, 0x80, 0}};
  EXPECT_EQ(found, expected);

  SetupApiHidBus bus;
  AppState state;
  test::FakeMessageBoxes boxes;
  DeviceLink link(bus, state, boxes);
  ASSERT_TRUE(link.OpenDevice());
  EXPECT_EQ(link.DataLength(), 65);
  EXPECT_EQ(link.CommandLength(), 8);
}

// Right id and length pass; one wrong in either is refused (by hidclass or by the mouse). The
// data channel has no report ids: Wine's hidclass drops its first byte, whatever it holds,
// and cuts a longer report to the collection's length, so only a short one reaches the mouse
// wrong.
TEST_F(VirtualMouse, AReportWithAWrongIdOrLengthIsRefused) {
  SetupApiHidBus bus;
  AppState state;
  test::FakeMessageBoxes boxes;
  DeviceLink link(bus, state, boxes);
  ASSERT_TRUE(link.OpenDevice());
  struct Case {
    bool command;
    uint8_t reportId;
    size_t length;
    bool passes;
  };
  const Case cases[] = {
      {false, 0, 65, true}, {false, 0, 64, false},
      {true, 1, 8, true},   {true, 0, 8, false},   {true, 2, 8, false}, {true, 1, 7, false},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> report(c.length, 0);
    report[0] = c.reportId;
    const HidHandle channel = c.command ? link.CommandChannel() : link.DataChannel();
    EXPECT_EQ(bus.SetFeature(channel, report), c.passes)
        << (c.command ? "command" : "data") << " channel, id " << int{c.reportId} << ", length " << c.length;
  }
}

}  // namespace
}  // namespace qv::win
