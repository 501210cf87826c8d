#include "device/physical_device.h"

#include <algorithm>

namespace qv {
namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool ContainsIgnoringCase(std::u16string_view text, std::u16string_view part) {
  const auto equal = [](char16_t a, char16_t b) { return Upper(a) == Upper(b); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), equal) != text.end();
}

bool StartsIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && ContainsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool IsInterfaceNode(std::u16string_view instanceId) {
  return StartsIgnoringCase(instanceId, u"HID\\") || ContainsIgnoringCase(instanceId, u"&MI_");
}

}  // namespace qv
