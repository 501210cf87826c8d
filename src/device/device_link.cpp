#include "device/device_link.h"

#include "device/diagnostics.h"
#include "device/mouse_identity.h"

namespace qv {
namespace {

constexpr uint8_t kNotificationsPerAction = 4;

bool IsTheMouse(const HidAttributes& a) { return a.vendorId == kMouseVendorId && a.productId == kMouseProductId; }

bool Matches(const HidCaps& caps, uint16_t usage, uint16_t featureLength) {
  return caps.usage == usage && caps.usagePage == kGenericDesktopPage && caps.featureReportByteLength == featureLength;
}

}  // namespace

DeviceLink::DeviceLink(HidBus& bus, AppState& state, MessageBoxes& boxes, DebugTrace* trace)
    : bus_(bus), state_(state), boxes_(boxes), trace_(trace) {}

bool DeviceLink::OpenDevice() {
  CloseChannels();  // an earlier connection's handles are never used again
  EnumerationScope list(bus_);
  if (!list.Begun()) return false;
  for (uint32_t member = 0;; ++member) {
    const HidInterface entry = bus_.EnumerateInterface(member);
    if (entry.status == HidEnumStatus::NoMoreItems || !entry.path) return Fail();
    devicePath_ = *entry.path;
    if (ExamineCollection() == Step::Fail) return Fail();
    if (entry.status == HidEnumStatus::OtherError || BothChannelsOpen()) break;
  }
  list.End();
  if (!BothChannelsOpen()) return Fail();
  state_.connected = 1;
  return true;
}

DeviceLink::Step DeviceLink::ExamineCollection() {
  const HidOpenResult opened = bus_.Open(devicePath_, kAccessNone, kAttributesNone);
  if (opened.handle == kInvalidHidHandle) return Step::Fail;
  probe_ = HidHandleOwner(bus_, opened.handle);

  HidAttributes attributes;
  bus_.GetAttributes(probe_.Get(), attributes);
  Trace(AttributesDiagnostic(attributes));
  if (!IsTheMouse(attributes)) {
    probe_.Reset();
    return Step::Continue;
  }

  PreparsedOwner preparsed(bus_, bus_.GetPreparsedData(probe_.Get()));
  probe_.Reset();
  if (!preparsed) return Step::Fail;
  HidCaps caps;
  const HidCapsStatus status = bus_.GetCaps(preparsed.Get(), caps);
  preparsed.Reset();  // only the caps are needed from it
  if (status == HidCapsStatus::InvalidPreparsedData) return Step::Fail;
  Trace(CapsDiagnostic(devicePath_, caps));

  if (Matches(caps, kDataChannelUsage, kDataChannelFeatureLength)) {
    return OpenChannel(data_, kAttributeNormal, kDataChannelFeatureLength, caps, dataLength_);
  }
  if (Matches(caps, kCommandChannelUsage, kCommandChannelFeatureLength)) {
    return OpenChannel(command_, kAttributesNone, kCommandChannelFeatureLength, caps, commandLength_);
  }
  return Step::Continue;  // another collection of the mouse
}

DeviceLink::Step DeviceLink::OpenChannel(HidHandleOwner& channel, uint32_t attributes, uint16_t length,
                                         const HidCaps& caps, uint16_t& storedLength) {
  const HidOpenResult opened = bus_.Open(devicePath_, kAccessNone, attributes);
  if (opened.handle == kInvalidHidHandle) {
    boxes_.Show(CreateFileErrorMessage(opened.error), u"");
    return Step::Fail;
  }
  channel = HidHandleOwner(bus_, opened.handle);
  storedLength = length;
  inputLength_ = caps.inputReportByteLength;
  return Step::Continue;
}

bool DeviceLink::Fail() {
  probe_.Reset();
  CloseChannels();  // half a mouse is no use: the protocol needs both channels
  return false;
}

void DeviceLink::CloseChannels() {
  command_.Reset();
  data_.Reset();
}

bool DeviceLink::CountMouseNotification() {
  if (++arrivalCounter_ < kNotificationsPerAction) return false;
  arrivalCounter_ = 0;
  return true;
}

void DeviceLink::Trace(const std::u16string& text) {
  if (trace_ != nullptr) trace_->Write(text);
}

}  // namespace qv
