#pragma once
// Two simulated mice of the same model on one bus, their collections listed in a chosen
// order. Paths and devices carry the mouse's letter; handles and preparsed data carry its
// number in their lowest bit.
#include <string>
#include <vector>

#include "device/sim_mouse.h"

namespace qv::test {

class TwoMiceBus final : public HidBus {
 public:
  struct Member {
    int mouse;            // 0 = A, 1 = B
    uint32_t collection;  // the member index in that mouse's own enumeration
  };
  SimMouse mice[2];
  std::vector<Member> order;

  bool BeginEnumeration() override { return mice[0].BeginEnumeration() && mice[1].BeginEnumeration(); }
  HidInterface EnumerateInterface(uint32_t member) override {
    if (member >= order.size()) return HidInterface{};
    const Member m = order[member];
    const HidInterface inner = mice[m.mouse].EnumerateInterface(m.collection);
    return {inner.status, Letter(m.mouse) + *inner.path, inner.device + u"#" + Letter(m.mouse)};
  }
  void EndEnumeration() override {
    mice[0].EndEnumeration();
    mice[1].EndEnumeration();
  }
  HidOpenResult Open(const std::u16string& path, uint32_t access, uint32_t attributes) override {
    const int mouse = path.front() == u'A' ? 0 : 1;
    HidOpenResult opened = mice[mouse].Open(path.substr(1), access, attributes);
    if (opened.handle != kInvalidHidHandle) opened.handle = opened.handle * 2 + mouse;
    return opened;
  }
  void Close(HidHandle h) override { mice[h % 2].Close(h / 2); }
  bool GetAttributes(HidHandle h, HidAttributes& a) override { return mice[h % 2].GetAttributes(h / 2, a); }
  HidPreparsed GetPreparsedData(HidHandle h) override {
    const HidPreparsed p = mice[h % 2].GetPreparsedData(h / 2);
    return p == kNoPreparsed ? p : p * 2 + h % 2;
  }
  HidCapsStatus GetCaps(HidPreparsed p, HidCaps& caps) override { return mice[p % 2].GetCaps(p / 2, caps); }
  void FreePreparsedData(HidPreparsed p) override { mice[p % 2].FreePreparsedData(p / 2); }
  bool SetFeature(HidHandle h, std::span<const uint8_t> r) override { return mice[h % 2].SetFeature(h / 2, r); }
  bool GetFeature(HidHandle h, std::span<uint8_t> r) override { return mice[h % 2].GetFeature(h / 2, r); }

 private:
  static std::u16string Letter(int mouse) { return mouse == 0 ? u"A" : u"B"; }
};

// A simulated mouse's own enumeration: its data, command and consumer collections.
inline constexpr uint32_t kSimData = 0;
inline constexpr uint32_t kSimCommand = 1;
inline constexpr uint32_t kSimConsumer = 2;

}  // namespace qv::test
