#pragma once
// The three transfer sequences with the mouse over the link's two channels. The scrambling
// flag is read from the application state at the moment it is needed.
#include <cstdint>
#include <utility>
#include <string>
#include <string_view>

#include "common/platform.h"
#include "config/mouse_link.h"
#include "device/device_link.h"
#include "device/reports.h"
#include "device/scramble.h"
#include "model/app_state.h"

namespace qv {

inline constexpr uint32_t kBlockPauseMs = 100;   // after every data report
inline constexpr uint32_t kStatusPauseMs = 20;   // after the status write

// Every operation keeps its full sequence of transfers and pauses even when the mouse
// stops answering, and answers true only when every transfer succeeded. A failed status
// check shows the "mouse missing" text with the operation's name as caption and stops.
// ReadOperation stores a block only when its three transfers succeeded; GetDPIStage stores
// the status bytes whenever the answer carried the signature.
class MouseProtocol final : public MouseLink {
 public:
  MouseProtocol(DeviceLink& link, AppState& state, MessageBoxes& boxes, Pause& pause, DebugTrace* trace = nullptr);

  bool GetDPIStage(ConfigImage& image) override;
  bool ReadOperation(ConfigImage& image) override;
  WriteResult WriteOperation(const ConfigImage& image) override;

  // The text shown when the mouse does not answer, in the user's language; the window
  // sets it whenever the language is read.
  void SetMissingMouseText(std::u16string text) { missingMouseText_ = std::move(text); }

 private:
  struct Status {
    bool valid = false;        // the answer passed its check
    bool transfersOk = false;  // both transfers of the exchange succeeded
    uint8_t rate = 0;
    uint8_t stage = 0;
  };
  enum class IdCheck { Required, Ignored };

  Status ExchangeStatus(IdCheck idCheck, std::u16string_view caption);
  bool SendCommand(uint8_t command, uint8_t first = 0, uint8_t second = 0);
  bool ReadCommandAnswer(ReportBuffer& buffer);
  bool ReadBlock(uint8_t block, ConfigImage& image);
  bool WriteBlock(uint8_t block, const ConfigImage& image);
  bool Transfer(HidHandle channel, uint16_t length, ReportBuffer& buffer, bool set);
  bool Scrambling() const { return state_.scrambling != 0; }

  DeviceLink& link_;
  AppState& state_;
  MessageBoxes& boxes_;
  Pause& pause_;
  DebugTrace* trace_;
  std::u16string missingMouseText_;
};

}  // namespace qv
