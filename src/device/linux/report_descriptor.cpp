#include "device/linux/report_descriptor.h"

#include <algorithm>
#include <map>

namespace qv {
namespace {

// Item types and the tags the lengths depend on (HID 1.11, 6.2.2).
enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
constexpr uint8_t kLongItem = 0xFE;
constexpr uint8_t kTagInput = 0x8, kTagOutput = 0x9, kTagFeature = 0xB, kTagCollection = 0xA,
                  kTagEndCollection = 0xC;
constexpr uint8_t kTagUsagePage = 0x0, kTagReportSize = 0x7, kTagReportId = 0x8, kTagReportCount = 0x9,
                  kTagPush = 0xA, kTagPop = 0xB;
constexpr uint8_t kTagUsage = 0x0;
constexpr uint8_t kReportIdByte = 1;  // Windows counts it even for a device without ids

struct Globals {
  uint32_t usagePage = 0;
  uint32_t reportSize = 0;
  uint32_t reportCount = 0;
  uint8_t reportId = 0;
};

enum ReportKind : size_t { kInput, kOutput, kFeature, kKinds };

struct Collection {
  uint16_t usagePage = 0;
  uint16_t usage = 0;
  std::map<uint8_t, uint32_t> bits[kKinds];  // by report id
};

uint32_t ItemData(std::span<const uint8_t> bytes) {
  uint32_t value = 0;
  for (size_t i = 0; i < bytes.size(); ++i) value |= static_cast<uint32_t>(bytes[i]) << (8 * i);
  return value;
}

uint16_t ByteLength(const std::map<uint8_t, uint32_t>& bits) {
  uint32_t longest = 0;
  for (const auto& [id, count] : bits) longest = std::max(longest, count);
  return longest == 0 ? uint16_t{0} : static_cast<uint16_t>((longest + 7) / 8 + kReportIdByte);
}

class Parser {
 public:
  void Item(uint8_t type, uint8_t tag, uint32_t data, size_t size) {
    if (type == kGlobal) Global(tag, data);
    if (type == kLocal && tag == kTagUsage && !hasUsage_) {
      firstUsage_ = size == 4 ? data : (globals_.usagePage << 16) | data;  // a 4-byte usage names its page
      hasUsage_ = true;
    }
    if (type == kMain) {
      Main(tag);
      hasUsage_ = false;  // local items end with every main item
    }
  }
  std::vector<HidCaps> Result() const {
    std::vector<HidCaps> caps;
    for (const Collection& c : collections_) {
      caps.push_back({c.usage, c.usagePage, ByteLength(c.bits[kInput]), ByteLength(c.bits[kOutput]),
                      ByteLength(c.bits[kFeature])});
    }
    return caps;
  }

 private:
  void Global(uint8_t tag, uint32_t data) {
    switch (tag) {
      case kTagUsagePage: globals_.usagePage = data; break;
      case kTagReportSize: globals_.reportSize = data; break;
      case kTagReportCount: globals_.reportCount = data; break;
      case kTagReportId: globals_.reportId = static_cast<uint8_t>(data); break;
      case kTagPush: stack_.push_back(globals_); break;
      case kTagPop:
        if (!stack_.empty()) {
          globals_ = stack_.back();
          stack_.pop_back();
        }
        break;
      default: break;
    }
  }
  void Main(uint8_t tag) {
    if (tag == kTagCollection) {
      if (depth_++ == 0) {
        const uint32_t usage = hasUsage_ ? firstUsage_ : globals_.usagePage << 16;
        collections_.push_back({static_cast<uint16_t>(usage >> 16), static_cast<uint16_t>(usage & 0xFFFF), {}});
      }
    } else if (tag == kTagEndCollection) {
      if (depth_ > 0) --depth_;
    } else if (depth_ > 0 && !collections_.empty()) {
      const ReportKind kind = tag == kTagInput ? kInput : tag == kTagOutput ? kOutput : kFeature;
      if (tag == kTagInput || tag == kTagOutput || tag == kTagFeature) {
        collections_.back().bits[kind][globals_.reportId] += globals_.reportSize * globals_.reportCount;
      }
    }
  }

  Globals globals_;
  std::vector<Globals> stack_;
  bool hasUsage_ = false;
  uint32_t firstUsage_ = 0;
  int depth_ = 0;
  std::vector<Collection> collections_;
};

}  // namespace

std::vector<HidCaps> TopLevelCollections(std::span<const uint8_t> descriptor) {
  Parser parser;
  size_t at = 0;
  while (at < descriptor.size()) {
    const uint8_t prefix = descriptor[at];
    if (prefix == kLongItem) {  // data size, long tag, data: carries nothing we need
      if (at + 1 >= descriptor.size()) break;
      at += 3 + descriptor[at + 1];
      continue;
    }
    const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
    if (at + 1 + size > descriptor.size()) break;  // damaged: keep what was read
    const auto type = static_cast<uint8_t>((prefix >> 2) & 3);
    const auto tag = static_cast<uint8_t>(prefix >> 4);
    parser.Item(type, tag, ItemData(descriptor.subspan(at + 1, size)), size);
    at += 1 + size;
  }
  return parser.Result();
}

}  // namespace qv
