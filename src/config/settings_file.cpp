#include "config/settings_file.h"

#include <algorithm>

#include "common/text.h"
#include "config/settings.h"
#include "ui/language.h"

namespace qv {
namespace {

constexpr std::u16string_view kDefaultColour = u"230";  // light grey on the dark skin
constexpr uint8_t kUtf16LeMark[] = {0xFF, 0xFE};
constexpr uint8_t kUtf8Mark[] = {0xEF, 0xBB, 0xBF};

std::u16string Line(std::u16string_view key, std::u16string_view value) {
  return std::u16string(key) + u"=" + std::u16string(value) + u"\r\n";
}

std::u16string DefaultKeyNameSection(Language language) {
  Settings settings;
  SetDefaultKeyNames(settings, language);
  std::u16string text = u"[" + std::u16string(Text(language, kSlotKeyNameSection)) + u"]\r\n";
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) text += Line(ItemKey(mode, key), settings.KeyName(mode, key));
  }
  return text;
}

bool StartsWith(std::span<const uint8_t> content, std::span<const uint8_t> mark) {
  return content.size() >= mark.size() && std::equal(mark.begin(), mark.end(), content.begin());
}

}  // namespace

std::u16string DefaultSettingsText() {
  std::u16string text = u"[" + std::u16string(kSkinsSection) + u"]\r\n";
  text += Line(u"Path", kDefaultSkinName);
  text += Line(u"RColor", kDefaultColour);
  text += Line(u"GColor", kDefaultColour);
  text += Line(u"BColor", kDefaultColour);
  // Names for every language, so that another language later still finds captions.
  for (Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    text += DefaultKeyNameSection(language);
  }
  return text;
}

std::vector<uint8_t> Utf16LeWithBom(std::u16string_view text) {
  std::vector<uint8_t> bytes(std::begin(kUtf16LeMark), std::end(kUtf16LeMark));
  for (char16_t unit : text) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  return bytes;
}

std::vector<uint8_t> SettingsFileAsUtf16(std::span<const uint8_t> content,
                                         const std::function<std::u16string(std::string_view)>& fromAnsi) {
  if (StartsWith(content, kUtf16LeMark)) return {content.begin(), content.end()};
  if (StartsWith(content, kUtf8Mark)) content = content.subspan(std::size(kUtf8Mark));
  const std::string_view bytes(reinterpret_cast<const char*>(content.data()), content.size());
  const std::u16string decoded = FromUtf8(bytes);
  // Text that is not UTF-8 does not come back unchanged.
  if (ToUtf8(decoded) == bytes) return Utf16LeWithBom(decoded);
  return Utf16LeWithBom(fromAnsi(bytes));
}

}  // namespace qv
