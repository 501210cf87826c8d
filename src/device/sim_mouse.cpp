#include "device/sim_mouse.h"

#include <algorithm>
#include <utility>

#include "device/mouse_identity.h"
#include "device/reports.h"

namespace qv {

enum class SimRole { Foreign, Data, Command, Other };

struct SimCollection {
  std::u16string_view path;
  SimRole role;
  HidAttributes attributes;
  HidCaps caps;  // usage, usage page, input, output, feature lengths
  std::u16string_view device;  // the USB device the collection's interface belongs to
};

namespace {

constexpr uint32_t kErrorFileNotFound = 2;
constexpr uint16_t kConsumerPage = 0x0C;
constexpr uint16_t kMouseVersion = 0x0100;
constexpr std::u16string_view kMouseDevice = u"USB\\VID_04D9&PID_A09E\\5&2C3D4E5F&0&1";

// The foreign collection looks like the data channel in everything but its identifiers.
constexpr std::array<SimCollection, 4> kCollections{{
    {u"\\\\?\\HID#VID_045E&PID_0040#6&1f2e3d4c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", SimRole::Foreign,
     {SimMouse::kForeignVendorId, SimMouse::kForeignProductId, 0x0300},
     {kDataChannelUsage, kGenericDesktopPage, 5, 0, kDataChannelFeatureLength},
     u"USB\\VID_045E&PID_0040\\5&1A2B3C4D&0&2"},
    {u"\\\\?\\HID#VID_04D9&PID_A09E&MI_00#7&2a4b6c8d&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}", SimRole::Data,
     {kMouseVendorId, kMouseProductId, kMouseVersion},
     {kDataChannelUsage, kGenericDesktopPage, 8, 0, kDataChannelFeatureLength}, kMouseDevice},
    {u"\\\\?\\HID#VID_04D9&PID_A09E&MI_01&Col01#7&1c3e5a7f&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
     SimRole::Command, {kMouseVendorId, kMouseProductId, kMouseVersion},
     {kCommandChannelUsage, kGenericDesktopPage, 8, 1, kCommandChannelFeatureLength}, kMouseDevice},
    {u"\\\\?\\HID#VID_04D9&PID_A09E&MI_01&Col02#7&1c3e5a7f&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}",
     SimRole::Other, {kMouseVendorId, kMouseProductId, kMouseVersion}, {1, kConsumerPage, 3, 0, 0}, kMouseDevice},
}};

}  // namespace

SimMouse::SimMouse(std::unique_ptr<SimMouseStore> store, std::unique_ptr<MillisecondClock> clock)
    : store_(std::move(store)), clock_(std::move(clock)), memory_(DefaultSimMemory()) {}

const SimCollection* SimMouse::Present(size_t index) const {
  const SimCollection& c = kCollections[index];
  if (c.role == SimRole::Foreign) return foreignPresent_ ? &c : nullptr;
  return plugged_ ? &c : nullptr;
}

// attempts_ already counts the transfer being handled.
bool SimMouse::FaultsActive() const {
  return !faults_.faultsFromTransfer || attempts_ > *faults_.faultsFromTransfer;
}

bool SimMouse::BeginEnumeration() {
  listed_.clear();
  for (size_t i = 0; i < kCollections.size(); ++i) {
    if (Present(i) != nullptr) listed_.push_back(i);
  }
  enumerating_ = true;
  return true;
}

HidInterface SimMouse::EnumerateInterface(uint32_t memberIndex) {
  if (!enumerating_ || memberIndex >= listed_.size()) return HidInterface{};
  const SimCollection& c = kCollections[listed_[memberIndex]];
  return {HidEnumStatus::Found, std::u16string(c.path), std::u16string(c.device)};
}

void SimMouse::EndEnumeration() {
  enumerating_ = false;
  listed_.clear();
}

HidOpenResult SimMouse::Open(const std::u16string& path, uint32_t, uint32_t) {
  for (size_t i = 0; i < kCollections.size(); ++i) {
    if (kCollections[i].path != path || Present(i) == nullptr) continue;
    if (handles_.empty() && kCollections[i].role != SimRole::Foreign) LoadMemory();
    const HidHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = i;
    return {handle, 0};
  }
  return {kInvalidHidHandle, kErrorFileNotFound};
}

void SimMouse::Close(HidHandle handle) { handles_.erase(handle); }

const SimCollection* SimMouse::CollectionOf(HidHandle handle) const {
  const auto found = handles_.find(handle);
  return found == handles_.end() ? nullptr : &kCollections[found->second];
}

bool SimMouse::GetAttributes(HidHandle handle, HidAttributes& attributes) {
  const SimCollection* c = CollectionOf(handle);
  if (c == nullptr) return false;
  attributes = c->attributes;
  return true;
}

HidPreparsed SimMouse::GetPreparsedData(HidHandle handle) {
  const auto found = handles_.find(handle);
  if (found == handles_.end()) return kNoPreparsed;
  const HidPreparsed token = nextPreparsed_;
  nextPreparsed_ += 8;
  preparsed_[token] = found->second;
  return token;
}

HidCapsStatus SimMouse::GetCaps(HidPreparsed preparsed, HidCaps& caps) {
  const auto found = preparsed_.find(preparsed);
  if (found == preparsed_.end()) return HidCapsStatus::InvalidPreparsedData;
  caps = kCollections[found->second].caps;
  return HidCapsStatus::Success;
}

void SimMouse::FreePreparsedData(HidPreparsed preparsed) { preparsed_.erase(preparsed); }

// A feature transfer reaches the mouse only on one of its two channels, with that
// channel's exact length, while it is plugged in and answering.
const SimCollection* SimMouse::FeatureChannel(HidHandle handle, size_t length) {
  const SimCollection* c = CollectionOf(handle);
  if (c == nullptr || (c->role != SimRole::Data && c->role != SimRole::Command)) return nullptr;
  if (faults_.unplugBeforeTransfer && attempts_ == *faults_.unplugBeforeTransfer) Unplug();
  const bool lost = faults_.noAnswerAtTransfer == attempts_;
  ++attempts_;
  if (!plugged_ || (faults_.noAnswer && FaultsActive()) || lost || length != c->caps.featureReportByteLength) return nullptr;
  return c;
}

void SimMouse::UnplugIfDone(size_t transfer) {
  if (faults_.unplugAfterTransfer == transfer) Unplug();
}

// Each channel carries one report id; a request for another fails on the device, as
// HidD_SetFeature and HidD_GetFeature do on Windows.
static uint8_t ReportIdOf(const SimCollection& c) {
  return c.role == SimRole::Command ? kCommandReportId : kDataReportId;
}

// Both count the transfer even when it does not reach the mouse, so an unplug after it
// follows whatever it did.
bool SimMouse::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  const size_t transfer = attempts_;
  const SimCollection* c = FeatureChannel(handle, report.size());
  const bool ok = c != nullptr && Set(*c, report);
  UnplugIfDone(transfer);
  return ok;
}

bool SimMouse::GetFeature(HidHandle handle, std::span<uint8_t> report) {
  const size_t transfer = attempts_;
  const SimCollection* c = FeatureChannel(handle, report.size());
  const bool ok = c != nullptr && Get(*c, report);
  UnplugIfDone(transfer);
  return ok;
}

bool SimMouse::Set(const SimCollection& c, std::span<const uint8_t> report) {
  if (c.role == SimRole::Command) {
    ReceiveCommand(report);
  } else {
    ReceiveBlock(report);
  }
  return report[kReportIdOffset] == ReportIdOf(c);
}

bool SimMouse::Get(const SimCollection& c, std::span<uint8_t> report) {
  const SimChannel channel = c.role == SimRole::Data ? SimChannel::Data : SimChannel::Command;
  LogRequest(channel, report[kReportIdOffset]);
  if (report[kReportIdOffset] != ReportIdOf(c)) return false;
  if (c.role == SimRole::Data) return AnswerBlock(report);
  AnswerCommand(report);
  return true;
}

// A transfer is logged once the memory it changed is saved: whoever reads the log may then
// read the memory file as final.
void SimMouse::ReceiveCommand(std::span<const uint8_t> wire) {
  std::vector<uint8_t> plain(wire.begin(), wire.end());
  if (scrambles_) UnscrambleCommandReport(plain);
  KeepCommand(plain);
  Record(SimDirection::Set, SimChannel::Command, wire, plain);
}

void SimMouse::KeepCommand(std::span<const uint8_t> plain) {
  if (plain[kReportIdOffset] != kCommandReportId || !HasSignature(plain)) return;  // not for us
  const uint8_t command = plain[kCommandOffset];
  const uint8_t block = command & 0x7F;
  lastCommand_ = command;
  if (command == kCommandWriteStatus) {
    const SimMemory before = memory_;
    memory_[ConfigImage::kStatusRate] = plain[kFirstParamOffset];
    memory_[ConfigImage::kStatusStage] = plain[kSecondParamOffset];
    SaveIfChanged(before);
  } else if (block >= 1 && block <= kBlockCount) {
    if ((command & kCommandReadBlock) != 0) {
      readBlock_ = block;
    } else {
      writeBlock_ = block;
    }
  }
}

void SimMouse::ReceiveBlock(std::span<const uint8_t> wire) {
  std::vector<uint8_t> plain(wire.begin(), wire.end());
  if (scrambles_) UnscrambleDataReport(plain);
  KeepBlock(plain);
  Record(SimDirection::Set, SimChannel::Data, wire, plain);
}

void SimMouse::KeepBlock(std::span<const uint8_t> plain) {
  if (writeBlock_ == 0 || plain[kReportIdOffset] != kDataReportId) return;  // not for us: dropped
  const uint8_t block = std::exchange(writeBlock_, 0);
  if (block == faults_.dropWrittenBlock) return;  // acknowledged, never kept
  const SimMemory before = memory_;
  std::copy_n(plain.begin() + kBlockOffset, kBlockSize, memory_.begin() + kStatusSize + kBlockSize * (block - 1u));
  SaveIfChanged(before);
}

void SimMouse::AnswerCommand(std::span<uint8_t> report) {
  std::vector<uint8_t> plain(kCommandReportSize, 0);
  plain[kReportIdOffset] = faults_.answerReportId;
  std::copy(kSignature.begin(), kSignature.end(), plain.begin() + kSignatureOffset);
  const bool damaged = (faults_.wrongSignature && FaultsActive()) || faults_.wrongSignatureAtTransfer == attempts_ - 1;
  if (damaged) plain[kSignatureOffset + 3] ^= 0xFF;
  plain[kCommandOffset] = lastCommand_;
  plain[kFirstParamOffset] = memory_[ConfigImage::kStatusRate];
  plain[kSecondParamOffset] = memory_[ConfigImage::kStatusStage];
  std::vector<uint8_t> wire = plain;
  if (scrambles_) ScrambleCommandReport(wire);
  std::copy(wire.begin(), wire.end(), report.begin());
  Record(SimDirection::Get, SimChannel::Command, wire, plain);
}

bool SimMouse::AnswerBlock(std::span<uint8_t> report) {
  if (readBlock_ == 0) return false;  // nothing announced: the request stalls
  std::vector<uint8_t> plain(kDataReportSize, 0);
  plain[kReportIdOffset] = kDataReportId;
  std::copy_n(memory_.begin() + kStatusSize + kBlockSize * (readBlock_ - 1u), kBlockSize, plain.begin() + kBlockOffset);
  std::vector<uint8_t> wire = plain;
  if (scrambles_) ScrambleDataReport(wire);
  std::copy(wire.begin(), wire.end(), report.begin());
  Record(SimDirection::Get, SimChannel::Data, wire, plain);
  return true;
}

void SimMouse::Record(SimDirection direction, SimChannel channel, std::span<const uint8_t> wire,
                      std::span<const uint8_t> plain) {
  transfers_.push_back({direction, channel, {wire.begin(), wire.end()}, {plain.begin(), plain.end()}});
  if (store_) {
    const uint64_t ms = clock_ ? clock_->MillisecondsSinceStart() : 0;
    store_->AppendLog(FormatSimLogLine(ms, direction, channel, wire));
  }
}

void SimMouse::LogRequest(SimChannel channel, uint8_t reportId) {
  if (!store_) return;
  const uint64_t ms = clock_ ? clock_->MillisecondsSinceStart() : 0;
  store_->AppendLog(FormatSimLogLine(ms, SimDirection::Ask, channel, std::span<const uint8_t>(&reportId, 1)));
}

void SimMouse::LoadMemory() {
  if (!store_) return;
  const std::optional<std::vector<uint8_t>> stored = store_->LoadMemory();
  const std::optional<SimMemory> loaded = stored ? MemoryFromStored(*stored) : std::nullopt;
  memory_ = loaded.value_or(DefaultSimMemory());
  memoryStored_ = loaded.has_value();
}

void SimMouse::SaveIfChanged(const SimMemory& before) {
  if (!store_ || (memory_ == before && memoryStored_)) return;
  store_->SaveMemory(memory_);
  memoryStored_ = true;
}

}  // namespace qv
