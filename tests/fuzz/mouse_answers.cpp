// The mouse's answers: start-up connects to the simulated mouse and reads it, then Apply
// runs twice, and every get-feature answer of either channel (and whether each transfer
// succeeds) comes from the input. The input holds the answers as the mouse means them; the
// bus scrambles them as the mouse does, so answers with a good signature are reachable.
#include "config/apply.h"
#include "config/config_fakes.h"
#include "device/device_events.h"
#include "device/protocol.h"
#include "device/sim_mouse.h"
#include "fuzz/fuzz_check.h"

namespace qv::fuzz {
namespace {

class InputBus final : public HidBus {
 public:
  InputBus(FuzzedDataProvider& input, const AppState& state) : input_(input), state_(state) {}

  bool BeginEnumeration() override { return sim_.BeginEnumeration(); }
  HidInterface EnumerateInterface(uint32_t member) override { return sim_.EnumerateInterface(member); }
  void EndEnumeration() override { sim_.EndEnumeration(); }
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override {
    return sim_.Open(path, access, attributes);
  }
  void Close(HidHandle handle) override { sim_.Close(handle); }
  bool GetAttributes(HidHandle handle, HidAttributes& attributes) override {
    return sim_.GetAttributes(handle, attributes);
  }
  HidPreparsed GetPreparsedData(HidHandle handle) override { return sim_.GetPreparsedData(handle); }
  HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) override { return sim_.GetCaps(preparsed, caps); }
  void FreePreparsedData(HidPreparsed preparsed) override { sim_.FreePreparsedData(preparsed); }

  bool SetFeature(HidHandle, std::span<const uint8_t> report) override {
    Require(report.size() != kDataReportSize || state_.imageComplete,
            "no block goes to the mouse while the image is incomplete");
    return input_.ConsumeBool();
  }
  bool GetFeature(HidHandle, std::span<uint8_t> report) override {
    const bool ok = input_.ConsumeBool();
    const std::vector<uint8_t> answer = input_.ConsumeBytes<uint8_t>(report.size());
    std::fill(report.begin(), report.end(), uint8_t{0});
    std::copy(answer.begin(), answer.end(), report.begin());
    if (report.size() == kCommandReportSize) ScrambleCommandReport(report);
    if (report.size() == kDataReportSize) ScrambleDataReport(report);
    return ok;
  }


 private:
  FuzzedDataProvider& input_;
  const AppState& state_;
  SimMouse sim_;
};

struct NoPause final : Pause {
  void Sleep(uint32_t) override {}
};

struct NoShell final : ShellActions {
  void SendNotice(uint32_t, int64_t) override {}
  void HideMainWindow() override {}
  uint32_t ShowMouseSettings() override { return 0; }
};

}  // namespace
}  // namespace qv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qv;
  FuzzedDataProvider input(data, size);
  AppState state;
  fuzz::InputBus bus(input, state);
  fakes::RecordingMessages messages;
  fuzz::NoPause pause;
  fuzz::NoShell shell;
  DeviceLink link(bus, state, messages);
  MouseProtocol protocol(link, state, messages, pause);
  const std::vector<uint8_t> record = input.ConsumeBytes<uint8_t>(kRecordSize);
  std::copy(record.begin(), record.end(), state.record.bytes.begin());

  NoTransferLock lock;
  const SettleResult started = ConnectAtStartup({link, protocol, state, shell, lock});
  fuzz::Require((started == SettleResult::Connected) == state.imageComplete, "connected only after a complete read");
  // A read cut short is a missing mouse; opened again without a read, Apply must read it first.
  if (started != SettleResult::Connected) fuzz::Require(link.OpenDevice(), "the simulated mouse is found");
  LocalState local;
  local.paths = DeriveLocalPaths(u"C:\\QV\\QV318_Driver.exe");
  fakes::FakeFiles files;
  files.files[local.paths.configFile] = std::vector<uint8_t>(kConfigFileSize, 0);
  fakes::FakeProfile profile;
  for (int apply = 0; apply < 2; ++apply) {
    PressApply(state, local, {protocol, files, profile, messages, u"no mouse", lock, u"busy"});
    fuzz::Require(files.files[local.paths.configFile].size() == kConfigFileSize, "config.bin stays 200 bytes");
  }
  return 0;
}
