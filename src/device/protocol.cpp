#include "device/protocol.h"

#include <algorithm>
#include <span>

#include "device/diagnostics.h"

namespace qv {
namespace {

std::span<const uint8_t, kBlockSize> BlockOf(const ConfigImage& image, uint8_t block) {
  return std::span<const uint8_t, kBlockSize>(image.bytes.data() + kStatusSize + kBlockSize * (block - 1u),
                                              kBlockSize);
}

}  // namespace

MouseProtocol::MouseProtocol(DeviceLink& link, AppState& state, MessageBoxes& boxes, Pause& pause, DebugTrace* trace)
    : link_(link), state_(state), boxes_(boxes), pause_(pause), trace_(trace) {}

bool MouseProtocol::GetDPIStage(ConfigImage& image) {
  const Status status = ExchangeStatus(IdCheck::Required, u"GetDPIStage");
  if (!status.valid) return false;
  image.StatusRate() = status.rate;
  image.StatusStage() = status.stage;
  return status.transfersOk;
}

bool MouseProtocol::ReadOperation(ConfigImage& image) {
  const Status status = ExchangeStatus(IdCheck::Required, u"ReadOperation");
  if (!status.valid) return false;
  image.StatusRate() = status.rate;
  image.StatusStage() = status.stage;
  if (trace_ != nullptr) trace_->Write(StatusDiagnostic(status.rate, status.stage));
  bool complete = status.transfersOk;
  for (uint8_t block = 1; block <= kBlockCount; ++block) {
    complete = ReadBlock(block, image) && complete;
    pause_.Sleep(kBlockPauseMs);
  }
  return complete;
}

WriteResult MouseProtocol::WriteOperation(const ConfigImage& image) {
  const Status status = ExchangeStatus(IdCheck::Ignored, u"WriteOperation");
  if (!status.valid) return WriteResult::Unanswered;
  bool complete = SendCommand(kCommandWriteStatus, image.bytes[ConfigImage::kStatusRate],
                              image.bytes[ConfigImage::kStatusStage]) &&
                  status.transfersOk;
  pause_.Sleep(kStatusPauseMs);
  for (uint8_t block = 1; block <= kBlockCount; ++block) {
    complete = WriteBlock(block, image) && complete;
    pause_.Sleep(kBlockPauseMs);
  }
  return complete ? WriteResult::Complete : WriteResult::Incomplete;
}

MouseProtocol::Status MouseProtocol::ExchangeStatus(IdCheck idCheck, std::u16string_view caption) {
  Status status;
  const bool sent = SendCommand(kCommandStatusQuery);
  ReportBuffer answer;
  const bool answered = ReadCommandAnswer(answer);
  const bool idOk = idCheck == IdCheck::Ignored || answer[kReportIdOffset] == kCommandReportId;
  status.valid = idOk && HasSignature(answer);
  if (!status.valid) {
    boxes_.Show(missingMouseText_, caption);
    return status;
  }
  status.transfersOk = sent && answered;
  status.rate = answer[kFirstParamOffset];
  status.stage = answer[kSecondParamOffset];
  return status;
}

bool MouseProtocol::SendCommand(uint8_t command, uint8_t first, uint8_t second) {
  ReportBuffer buffer;
  BuildCommandReport(buffer, command, first, second, Scrambling());
  return Transfer(link_.CommandChannel(), link_.CommandLength(), buffer, true);
}

bool MouseProtocol::ReadCommandAnswer(ReportBuffer& buffer) {
  PrepareAnswer(buffer, kCommandReportId);
  const bool ok = Transfer(link_.CommandChannel(), link_.CommandLength(), buffer, false);
  if (Scrambling()) UnscrambleCommandReport(buffer);
  return ok;
}

bool MouseProtocol::ReadBlock(uint8_t block, ConfigImage& image) {
  ReportBuffer answer;
  const bool announced = SendCommand(static_cast<uint8_t>(kCommandReadBlock | block));
  const bool acknowledged = ReadCommandAnswer(answer);  // its content is not examined
  PrepareAnswer(answer, kDataReportId);
  const bool received = Transfer(link_.DataChannel(), link_.DataLength(), answer, false);
  // A block whose exchange failed keeps what the caller put there (zero), never a guess.
  if (!(announced && acknowledged && received)) return false;
  if (Scrambling()) UnscrambleDataReport(answer);
  std::copy_n(answer.begin() + kBlockOffset, kBlockSize, image.Block(block).begin());
  return true;
}

bool MouseProtocol::WriteBlock(uint8_t block, const ConfigImage& image) {
  ReportBuffer report;
  const bool announced = SendCommand(static_cast<uint8_t>(kCommandWriteBlock | block));
  const bool acknowledged = ReadCommandAnswer(report);  // its content is not examined
  PrepareAnswer(report, kDataReportId);
  const auto source = BlockOf(image, block);
  std::copy(source.begin(), source.end(), report.begin() + kBlockOffset);
  if (Scrambling()) ScrambleDataReport(report);
  const bool sent = Transfer(link_.DataChannel(), link_.DataLength(), report, true);
  return announced && acknowledged && sent;
}

bool MouseProtocol::Transfer(HidHandle channel, uint16_t length, ReportBuffer& buffer, bool set) {
  if (channel == kInvalidHidHandle) return false;  // not connected: nothing reaches the bus
  const size_t size = std::min<size_t>(length, buffer.size());
  HidBus& bus = link_.Bus();
  return set ? bus.SetFeature(channel, std::span<const uint8_t>(buffer.data(), size))
             : bus.GetFeature(channel, std::span<uint8_t>(buffer.data(), size));
}

}  // namespace qv
