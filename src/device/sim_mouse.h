#pragma once
// The simulated mouse: the device side of the configuration protocol behind the HidBus
// interface. It presents the mouse's collections (data channel, command channel and a
// consumer collection that carries no feature report), unscrambles what it receives,
// answers the status query with the signature, serves and stores the five blocks and
// scrambles its answers the way the program scrambles its reports.
//
// With a store it loads its memory when first opened (simmouse.bin when that holds exactly
// 322 bytes, otherwise the default memory), saves it whenever a write changes it (and at the
// first write when it came from no file, so the file always tells what a write left) and
// logs every transfer that crosses the wire. Tests drive its faults directly.
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/hid_bus.h"
#include "device/sim_log.h"
#include "device/sim_memory.h"
#include "device/sim_store.h"

namespace qv {

struct SimCollection;  // one HID collection the simulated mouse presents

struct SimFaults {
  bool noAnswer = false;        // every feature transfer fails
  bool wrongSignature = false;  // command answers carry a damaged signature
  uint8_t answerReportId = 1;   // report id the command answers carry
  // Transfers are counted from 0 over every feature transfer asked of its channels.
  // Unplugged just before transfer N, or right after it; away until Plug().
  std::optional<size_t> unplugBeforeTransfer;
  std::optional<size_t> unplugAfterTransfer;
  // noAnswer and wrongSignature hold only from transfer N on (counted as above).
  std::optional<size_t> faultsFromTransfer;
  std::optional<size_t> noAnswerAtTransfer;        // that one transfer fails
  std::optional<size_t> wrongSignatureAtTransfer;  // that command answer is damaged
  // The data report of this block (1..5) is acknowledged on a write but never stored.
  uint8_t dropWrittenBlock = 0;
};

// One transfer that crossed the wire, as sent and as the mouse understood or built it.
struct SimTransfer {
  SimDirection direction;
  SimChannel channel;
  std::vector<uint8_t> wire;
  std::vector<uint8_t> plain;
};

class SimMouse final : public HidBus {
 public:
  static constexpr uint16_t kForeignVendorId = 0x045E;
  static constexpr uint16_t kForeignProductId = 0x0040;

  explicit SimMouse(std::unique_ptr<SimMouseStore> store = nullptr, std::unique_ptr<MillisecondClock> clock = nullptr);

  bool BeginEnumeration() override;
  HidInterface EnumerateInterface(uint32_t memberIndex) override;
  void EndEnumeration() override;
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override;
  void Close(HidHandle handle) override;
  bool GetAttributes(HidHandle handle, HidAttributes& attributes) override;
  HidPreparsed GetPreparsedData(HidHandle handle) override;
  HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) override;
  void FreePreparsedData(HidPreparsed preparsed) override;
  bool SetFeature(HidHandle handle, std::span<const uint8_t> report) override;
  bool GetFeature(HidHandle handle, std::span<uint8_t> report) override;

  // Test controls and views.
  SimFaults& Faults() { return faults_; }
  void SetForeignCollection(bool present) { foreignPresent_ = present; }  // enumerated first
  void SetScrambling(bool scrambles) { scrambles_ = scrambles; }
  void Unplug() { plugged_ = false; }
  void Plug() { plugged_ = true; }
  const SimMemory& Memory() const { return memory_; }
  void SetMemory(const SimMemory& memory) { memory_ = memory; }
  const std::vector<SimTransfer>& Transfers() const { return transfers_; }
  size_t TransferAttempts() const { return attempts_; }
  size_t OpenHandleCount() const { return handles_.size(); }
  size_t LivePreparsedCount() const { return preparsed_.size(); }
  bool Enumerating() const { return enumerating_; }

 private:
  const SimCollection* Present(size_t index) const;
  bool FaultsActive() const;
  const SimCollection* CollectionOf(HidHandle handle) const;
  const SimCollection* FeatureChannel(HidHandle handle, size_t length);
  bool Set(const SimCollection& c, std::span<const uint8_t> report);
  bool Get(const SimCollection& c, std::span<uint8_t> report);
  void UnplugIfDone(size_t transfer);
  void LoadMemory();
  void LogRequest(SimChannel channel, uint8_t reportId);
  void ReceiveCommand(std::span<const uint8_t> wire);
  void ReceiveBlock(std::span<const uint8_t> wire);
  void KeepCommand(std::span<const uint8_t> plain);
  void KeepBlock(std::span<const uint8_t> plain);
  void AnswerCommand(std::span<uint8_t> report);
  bool AnswerBlock(std::span<uint8_t> report);
  void Record(SimDirection direction, SimChannel channel, std::span<const uint8_t> wire,
              std::span<const uint8_t> plain);
  void SaveIfChanged(const SimMemory& before);

  std::unique_ptr<SimMouseStore> store_;
  bool memoryStored_ = false;  // the store holds the memory as it is now
  std::unique_ptr<MillisecondClock> clock_;
  SimFaults faults_;
  SimMemory memory_;
  bool foreignPresent_ = false;
  bool scrambles_ = true;
  bool plugged_ = true;
  bool enumerating_ = false;
  std::vector<size_t> listed_;  // collections present when the enumeration began
  std::map<HidHandle, size_t> handles_;
  std::map<HidPreparsed, size_t> preparsed_;
  HidHandle nextHandle_ = 0x1000;
  HidPreparsed nextPreparsed_ = 0x2000;
  uint8_t lastCommand_ = 0;
  uint8_t readBlock_ = 0;   // block announced for reading, 0 = none
  uint8_t writeBlock_ = 0;  // block announced for writing, 0 = none
  size_t attempts_ = 0;
  std::vector<SimTransfer> transfers_;
};

}  // namespace qv
