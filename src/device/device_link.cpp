#include "device/device_link.h"

#include "device/diagnostics.h"
#include "device/mouse_identity.h"

namespace qv {
namespace {

bool IsTheMouse(const HidAttributes& a) { return a.vendorId == kMouseVendorId && a.productId == kMouseProductId; }

bool Matches(const HidCaps& caps, uint16_t usage, uint16_t featureLength) {
  return caps.usage == usage && caps.usagePage == kGenericDesktopPage && caps.featureReportByteLength == featureLength;
}

}  // namespace

DeviceLink::DeviceLink(HidBus& bus, AppState& state, MessageBoxes& boxes, DebugTrace* trace)
    : bus_(bus), state_(state), boxes_(boxes), trace_(trace) {}

bool DeviceLink::OpenDevice() {
  CloseChannels();  // an earlier connection's handles are never used again
  state_.imageComplete = false;
  state_.openMouse.clear();
  EnumerationScope list(bus_);
  if (!list.Begun()) return false;
  for (uint32_t member = 0;; ++member) {
    const HidInterface entry = bus_.EnumerateInterface(member);
    if (entry.status == HidEnumStatus::NoMoreItems) break;
    // An interface without a path cannot be the mouse's: another device's is no reason to
    // call the mouse missing.
    if (entry.path) {
      devicePath_ = *entry.path;
      if (ExamineCollection(entry.device) == Step::Fail) return Fail();
    }
    if (entry.status == HidEnumStatus::OtherError || BothChannelsOpen()) break;
  }
  list.End();
  if (!BothChannelsOpen()) return Fail();
  state_.connected = 1;
  state_.openMouse = identity_.device.empty() ? identity_.data : identity_.device;
  return true;
}

bool DeviceLink::BelongsToOtherMouse(const std::u16string& device) const {
  return (command_.IsOpen() || data_.IsOpen()) && device != identity_.device;
}

DeviceLink::Step DeviceLink::ExamineCollection(const std::u16string& device) {
  const HidOpenResult opened = bus_.Open(devicePath_, kAccessNone, kAttributesNone);
  // Some devices refuse every open (a security key, a device another program holds): not
  // the mouse, whose collections all open with access 0.
  if (opened.handle == kInvalidHidHandle) return Step::Continue;
  probe_ = HidHandleOwner(bus_, opened.handle);

  HidAttributes attributes;
  bus_.GetAttributes(probe_.Get(), attributes);
  Trace(AttributesDiagnostic(attributes));
  // With several mice of this model plugged in, both channels come from the one whose
  // first channel was found: commands announced on one must be answered by the same.
  if (!IsTheMouse(attributes) || BelongsToOtherMouse(device)) {
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

  // A channel already open is never replaced.
  if (Matches(caps, kDataChannelUsage, kDataChannelFeatureLength) && !data_.IsOpen()) {
    return OpenChannel(data_, kAttributeNormal, kDataChannelFeatureLength, caps, dataLength_, device, identity_.data);
  }
  if (Matches(caps, kCommandChannelUsage, kCommandChannelFeatureLength) && !command_.IsOpen()) {
    return OpenChannel(command_, kAttributesNone, kCommandChannelFeatureLength, caps, commandLength_, device,
                       identity_.command);
  }
  return Step::Continue;  // another collection of the mouse
}

DeviceLink::Step DeviceLink::OpenChannel(HidHandleOwner& channel, uint32_t attributes, uint16_t length,
                                         const HidCaps& caps, uint16_t& storedLength,
                                         const std::u16string& device, std::u16string& storedPath) {
  const HidOpenResult opened = bus_.Open(devicePath_, kAccessNone, attributes);
  if (opened.handle == kInvalidHidHandle) {
    boxes_.Show(CreateFileErrorMessage(opened.error), u"");
    return Step::Fail;
  }
  channel = HidHandleOwner(bus_, opened.handle);
  storedLength = length;
  identity_.device = device;
  storedPath = devicePath_;
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
  identity_ = {};
}

void DeviceLink::Trace(const std::u16string& text) {
  if (trace_ != nullptr) trace_->Write(text);
}

}  // namespace qv
