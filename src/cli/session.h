#pragma once
// One conversation with the mouse: the device link and the protocol of the tray program,
// with message boxes turned into what the command line reports itself.
#include <optional>
#include <string>

#include "common/platform.h"
#include "device/device_link.h"
#include "device/hid_bus.h"
#include "device/protocol.h"
#include "model/app_state.h"

namespace qv::cli {

class Session {
 public:
  Session(HidBus& bus, Pause& pause);

  bool Open() { return link_.OpenDevice(); }
  // The whole memory into `image`; true only when every transfer succeeded.
  bool Read(ConfigImage& image);
  bool Write(const ConfigImage& image) { return protocol_.WriteOperation(image) == WriteResult::Complete; }

  // Reads the mouse back and compares it with what was written: nothing when they agree,
  // otherwise the sentence to report.
  std::optional<std::string> Verify(const ConfigImage& written);

  AppState& State() { return state_; }
  MouseProtocol& Protocol() { return protocol_; }
  DeviceLink& Link() { return link_; }

 private:
  // The link's and the protocol's message boxes: the command line says it in its own words.
  struct SilentBoxes final : MessageBoxes {
    void Show(std::u16string_view, std::u16string_view) override {}
  };

  SilentBoxes boxes_;
  AppState state_;
  DeviceLink link_;
  MouseProtocol protocol_;
};

// "block 4" or "the report rate and block 2": the parts of the memory that differ (the
// active DPI stage is left out: the user may press the DPI button at any time).
std::string Differences(const ConfigImage& expected, const ConfigImage& actual);

}  // namespace qv::cli
