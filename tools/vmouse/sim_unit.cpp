// The core's simulated mouse behind the C interface of sim_unit.h: the virtual mouse answers
// exactly as the simulated build's mouse does, and keeps its memory and transfer log in the
// same formats (simmouse.bin, simmouse.log).
#include "sim_unit.h"

#include <string>

#include "collections.h"
#include "device/mouse_identity.h"
#include "device/sim_mouse.h"

namespace {

constexpr unsigned long kReadLimit = 4096;  // a memory is 322 bytes; more is read to be refused

class FileStore final : public qv::SimMouseStore {
 public:
  FileStore(const wchar_t* memory, const wchar_t* log) : memory_(memory), log_(log) {}
  std::optional<std::vector<uint8_t>> LoadMemory() override {
    std::vector<uint8_t> bytes(kReadLimit);
    unsigned long read = 0;
    if (!vm_file_read(memory_.c_str(), bytes.data(), kReadLimit, &read)) return std::nullopt;
    bytes.resize(read);
    return bytes;
  }
  void SaveMemory(std::span<const uint8_t> memory) override {
    vm_file_replace(memory_.c_str(), memory.data(), static_cast<unsigned long>(memory.size()));
  }
  void AppendLog(std::string_view line) override {
    std::string text(line);
    text += '\n';
    vm_file_append(log_.c_str(), text.data(), static_cast<unsigned long>(text.size()));
  }

 private:
  std::wstring memory_;
  std::wstring log_;
};

// Milliseconds since the unit was plugged in.
class PlugClock final : public qv::MillisecondClock {
 public:
  uint64_t MillisecondsSinceStart() override { return vm_milliseconds() - start_; }

 private:
  uint64_t start_ = vm_milliseconds();
};

bool IsChannel(const qv::HidCaps& caps, uint16_t usage, uint16_t length) {
  return caps.usagePage == qv::kGenericDesktopPage && caps.usage == usage && caps.featureReportByteLength == length;
}

}  // namespace

struct vm_unit {
  qv::SimMouse mouse;
  qv::HidHandle channels[2] = {qv::kInvalidHidHandle, qv::kInvalidHidHandle};

  vm_unit(const wchar_t* memory, const wchar_t* log)
      : mouse(std::make_unique<FileStore>(memory, log), std::make_unique<PlugClock>()) {
    OpenChannels();
  }

  // The simulated mouse's own two channels, opened once for the unit's life (which loads
  // its memory).
  void OpenChannels() {
    mouse.BeginEnumeration();
    for (uint32_t member = 0;; ++member) {
      const qv::HidInterface entry = mouse.EnumerateInterface(member);
      if (entry.status == qv::HidEnumStatus::NoMoreItems) break;
      const qv::HidOpenResult opened = mouse.Open(*entry.path, qv::kAccessNone, qv::kAttributesNone);
      const qv::HidPreparsed preparsed = mouse.GetPreparsedData(opened.handle);
      qv::HidCaps caps;
      mouse.GetCaps(preparsed, caps);
      mouse.FreePreparsedData(preparsed);
      if (IsChannel(caps, qv::kDataChannelUsage, qv::kDataChannelFeatureLength)) {
        channels[VM_DATA_CHANNEL] = opened.handle;
      } else if (IsChannel(caps, qv::kCommandChannelUsage, qv::kCommandChannelFeatureLength)) {
        channels[VM_COMMAND_CHANNEL] = opened.handle;
      } else {
        mouse.Close(opened.handle);
      }
    }
    mouse.EndEnumeration();
  }
};

extern "C" {

vm_unit* vm_unit_create(const wchar_t* memory, const wchar_t* log) { return new vm_unit(memory, log); }

void vm_unit_destroy(vm_unit* unit) { delete unit; }

void vm_unit_unplug(vm_unit* unit) { unit->mouse.Unplug(); }

int vm_unit_set_feature(vm_unit* unit, int channel, const unsigned char* report, size_t length) {
  return unit->mouse.SetFeature(unit->channels[channel], std::span<const uint8_t>(report, length)) ? 1 : 0;
}

int vm_unit_get_feature(vm_unit* unit, int channel, unsigned char* report, size_t length) {
  return unit->mouse.GetFeature(unit->channels[channel], std::span<uint8_t>(report, length)) ? 1 : 0;
}

}  // extern "C"
