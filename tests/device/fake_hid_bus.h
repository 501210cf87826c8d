#pragma once
// A scripted HID bus: a list of collections, failures per step, and a count of every
// handle, preparsed data and enumeration still outstanding.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_bus.h"

namespace qv::test {

struct FakeCollection {
  std::u16string path;
  HidAttributes attributes;
  HidCaps caps;
  int opensBeforeFailure = -1;  // -1: every open succeeds
  bool preparsedFails = false;
  bool capsInvalid = false;
  std::u16string device = u"USB\\VID_04D9&PID_A09E\\A";  // the physical device
};

inline FakeCollection MouseCollection(std::u16string path, uint16_t usage, uint16_t feature, uint16_t input) {
  return {std::move(path), {0x04D9, 0xA09E, 0x0100}, {usage, 1, input, 0, feature}};
}

class FakeHidBus : public HidBus {
 public:
  struct OpenCall {
    std::u16string path;
    uint32_t access;
    uint32_t attributes;
    bool ok;
  };
  std::vector<FakeCollection> collections;
  bool beginFails = false;
  std::optional<uint32_t> otherErrorAt;   // enumeration of this member fails with another error
  std::optional<uint32_t> detailFailsAt;  // the detail of this member cannot be fetched
  uint32_t openError = 5;

  std::vector<OpenCall> opens;
  std::vector<std::u16string> closes;  // paths, in closing order
  std::vector<uint32_t> enumerated;
  int openHandles = 0;
  int livePreparsed = 0;
  int openLists = 0;

  bool BeginEnumeration() override {
    if (beginFails) return false;
    ++openLists;
    return true;
  }
  HidInterface EnumerateInterface(uint32_t member) override {
    enumerated.push_back(member);
    HidEnumStatus status = HidEnumStatus::Found;
    if (otherErrorAt == member) {
      status = HidEnumStatus::OtherError;
      if (!lastFound_) return {status, std::nullopt, u""};  // nothing was ever enumerated
      member = *lastFound_;  // the interface data is left as the previous member set it
    } else if (member >= collections.size()) {
      return HidInterface{};
    }
    if (detailFailsAt == member) return {status, std::nullopt, u""};
    lastFound_ = member;
    return {status, collections[member].path, collections[member].device};
  }
  void EndEnumeration() override { --openLists; }

  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override {
    FakeCollection* c = Find(path);
    const bool ok = c != nullptr && c->opensBeforeFailure != 0;
    opens.push_back({path, access, attributes, ok});
    if (!ok) return {kInvalidHidHandle, openError};
    if (c->opensBeforeFailure > 0) --c->opensBeforeFailure;
    ++openHandles;
    const HidHandle handle = next_++;
    handles_[handle] = path;
    return {handle, 0};
  }
  void Close(HidHandle handle) override {
    closes.push_back(handles_.at(handle));
    handles_.erase(handle);
    --openHandles;
  }
  bool GetAttributes(HidHandle handle, HidAttributes& attributes) override {
    attributes = Find(handles_.at(handle))->attributes;
    return true;
  }
  HidPreparsed GetPreparsedData(HidHandle handle) override {
    const FakeCollection* c = Find(handles_.at(handle));
    if (c->preparsedFails) return kNoPreparsed;
    ++livePreparsed;
    const HidPreparsed token = next_++;
    preparsed_[token] = c;
    return token;
  }
  HidCapsStatus GetCaps(HidPreparsed preparsed, HidCaps& caps) override {
    const FakeCollection* c = preparsed_.at(preparsed);
    if (c->capsInvalid) return HidCapsStatus::InvalidPreparsedData;
    caps = c->caps;
    return HidCapsStatus::Success;
  }
  void FreePreparsedData(HidPreparsed preparsed) override {
    preparsed_.erase(preparsed);
    --livePreparsed;
  }
  bool SetFeature(HidHandle, std::span<const uint8_t>) override { return false; }
  bool GetFeature(HidHandle, std::span<uint8_t>) override { return false; }

 private:
  FakeCollection* Find(const std::u16string& path) {
    for (FakeCollection& c : collections) {
      if (c.path == path) return &c;
    }
    return nullptr;
  }
  std::optional<uint32_t> lastFound_;
  HidHandle next_ = 100;
  std::map<HidHandle, std::u16string> handles_;
  std::map<HidPreparsed, const FakeCollection*> preparsed_;
};

}  // namespace qv::test
