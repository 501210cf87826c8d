#include "profiles/profile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <map>
#include <vector>

#include "common/text.h"
#include "config/defaults.h"
#include "config/record_rules.h"
#include "keyassign/key_codes.h"

namespace qv {
namespace {

enum class Kind { Rate, Number, Switch, Colour, Light, Name };

struct Field {
  std::string name;
  Kind kind = Kind::Number;
  size_t offset = 0;  // in the record; for a Name, mode * 8 + key - 1
  int max = 255;
};

constexpr std::array<std::pair<int, uint8_t>, 4> kRates = {{{1000, kRate1000Hz}, {500, kRate500Hz}, {250, kRate250Hz}, {125, kRate125Hz}}};
constexpr std::array<const char*, 3> kLightNames = {"Off", "Standard", "Neon"};

struct KeyField {
  const char* name;
  size_t field;
  int max;
};
// The per-key fields with the largest value the page can give each.
constexpr std::array<KeyField, 10> kKeyFields = {{
    {"function", uirec::kFunctionType, kKeyFunctionTypeCount - 1},
    {"media", uirec::kMediaIndex, 6},
    {"windows", uirec::kWindowsIndex, 8},
    {"hotKey", uirec::kHotKeyIndex, 7},
    {"singleKey", uirec::kSingleKeyUsage, 255},
    {"snipe", uirec::kSnipeIndex, 255},
    {"fireTarget", uirec::kFireTargetIndex, kFireTargetCount - 1},
    {"fireCode", uirec::kFireTargetCode, 255},
    {"fireTimes", uirec::kFireTimes, 127},
    {"dpi", uirec::kDpiSubFunction, kDpiLoop},
}};

std::string KeyPrefix(KeyMode mode, int key) {
  return std::string("keys.") + (mode == KeyMode::A ? "A" : "B") + std::to_string(key) + ".";
}

// Every field of the format, in the order a file lists them.
const std::vector<Field>& Fields() {
  static const std::vector<Field> fields = [] {
    std::vector<Field> f;
    f.push_back({"reportRateHz", Kind::Rate, uirec::kReportRate, 0});
    for (int s = 1; s <= kStageCount; ++s) {
      const std::string stage = "stages." + std::to_string(s) + ".";
      const size_t i = static_cast<size_t>(s - 1);
      f.push_back({stage + "level", Kind::Number, uirec::kDpiIndex + i, 11});
      f.push_back({stage + "on", Kind::Switch, uirec::kStageEnabled + i, 1});
      f.push_back({stage + "colour", Kind::Colour, uirec::kStageColour + 3 * i, 0});
    }
    f.push_back({"snipeDpiCode", Kind::Number, uirec::kSnipeDpiCode, 127});
    f.push_back({"fire.makeTime", Kind::Number, uirec::kFireMakeTime, 255});
    f.push_back({"fire.breakTime", Kind::Number, uirec::kFireBreakTime, 255});
    f.push_back({"lighting.mode", Kind::Light, uirec::kLightMode, kLightNeon});
    f.push_back({"lighting.brightness", Kind::Number, uirec::kBrightness, 9});
    f.push_back({"lighting.neonPeriod", Kind::Number, uirec::kNeonPeriod, 29});
    f.push_back({"lighting.standardEffect", Kind::Number, uirec::kStandardEffect, 255});
    f.push_back({"lighting.neonEffect", Kind::Number, uirec::kNeonEffect, kNeonRgbFlash});
    for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
      for (int key = 1; key <= kSentKeyCount; ++key) {
        const std::string prefix = KeyPrefix(mode, key);
        for (const KeyField& k : kKeyFields) {
          f.push_back({prefix + k.name, Kind::Number, UiRecord::KeyOffset(k.field, mode, key), k.max});
        }
        f.push_back({prefix + "name", Kind::Name, static_cast<size_t>(mode) * kKeysPerMode + static_cast<size_t>(key - 1), 0});
      }
    }
    return f;
  }();
  return fields;
}

std::u16string& NameAt(KeyNames& names, size_t index) { return names[index / kKeysPerMode][index % kKeysPerMode]; }
const std::u16string& NameAt(const KeyNames& names, size_t index) { return names[index / kKeysPerMode][index % kKeysPerMode]; }

size_t Width(const Field& field) { return field.kind == Kind::Colour ? 3 : field.kind == Kind::Name ? 0 : 1; }

std::string ValueText(const Field& field, const Profile& profile) {
  const UiRecord& r = profile.record;
  switch (field.kind) {
    case Kind::Rate:
      for (const auto& [hz, code] : kRates) {
        if (code == r[field.offset]) return std::to_string(hz);
      }
      return "1000";  // a record never set: the mouse's own default
    case Kind::Switch: return r[field.offset] == 1 ? "true" : "false";
    case Kind::Colour: {
      char text[8];
      std::snprintf(text, sizeof text, "%02X%02X%02X", r[field.offset], r[field.offset + 1], r[field.offset + 2]);
      return text;
    }
    case Kind::Light: return r[field.offset] <= kLightNeon ? kLightNames[r[field.offset]] : "Off";
    case Kind::Name: return ToUtf8(NameAt(profile.names, field.offset));
    case Kind::Number: return std::to_string(std::min<int>(r[field.offset], field.max));
  }
  return {};
}

std::optional<int> Number(std::string_view text, int max) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < 0 || value > max) {
    return std::nullopt;
  }
  return value;
}

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return std::nullopt;
}

bool ValidName(std::string_view text) {
  const std::u16string wide = FromUtf8(text);
  if (ToUtf8(wide) != text || wide.size() > kProfileNameMax) return false;
  for (char16_t c : wide) {
    if (c < 0x20 || c == 0x7F) return false;
  }
  return true;
}

// Stores a field's value; the sentence saying what it must be when the text is not one.
std::optional<std::string> Store(const Field& field, std::string_view text, Profile& profile) {
  UiRecord& r = profile.record;
  switch (field.kind) {
    case Kind::Rate:
      for (const auto& [hz, code] : kRates) {
        if (text == std::to_string(hz)) {
          r[field.offset] = code;
          return std::nullopt;
        }
      }
      return "must be 125, 250, 500 or 1000";
    case Kind::Switch:
      if (text != "true" && text != "false") return "must be true or false";
      r[field.offset] = text == "true" ? 1 : 0;
      return std::nullopt;
    case Kind::Colour:
      if (text.size() != 6) return "must be six hexadecimal digits (RRGGBB)";
      for (size_t i = 0; i < 3; ++i) {
        const auto high = HexDigit(text[2 * i]);
        const auto low = HexDigit(text[2 * i + 1]);
        if (!high || !low) return "must be six hexadecimal digits (RRGGBB)";
        r[field.offset + i] = static_cast<uint8_t>(*high * 16 + *low);
      }
      return std::nullopt;
    case Kind::Light:
      for (size_t i = 0; i < kLightNames.size(); ++i) {
        if (text == kLightNames[i]) {
          r[field.offset] = static_cast<uint8_t>(i);
          return std::nullopt;
        }
      }
      return "must be Off, Standard or Neon";
    case Kind::Name:
      if (!ValidName(text)) return "must be UTF-8 text of at most 64 characters";
      NameAt(profile.names, field.offset) = FromUtf8(text);
      return std::nullopt;
    case Kind::Number:
      if (const auto value = Number(text, field.max)) {
        r[field.offset] = static_cast<uint8_t>(*value);
        return std::nullopt;
      }
      return "must be a whole number from 0 to " + std::to_string(field.max);
  }
  return "is not known";
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

}  // namespace

Profile ProfileOf(const UiRecord& record, const KeyNames& names) {
  Profile profile;
  OverlayProfile(Profile{record, names}, profile.record, profile.names);
  return profile;
}

void OverlayProfile(const Profile& profile, UiRecord& record, KeyNames& names) {
  for (const Field& field : Fields()) {
    if (field.kind == Kind::Name) {
      NameAt(names, field.offset) = NameAt(profile.names, field.offset);
      continue;
    }
    for (size_t i = 0; i < Width(field); ++i) record[field.offset + i] = profile.record[field.offset + i];
  }
}

bool ProfileFieldsEqual(const Profile& profile, const UiRecord& record) {
  for (const Field& field : Fields()) {
    for (size_t i = 0; i < Width(field); ++i) {
      if (record[field.offset + i] != profile.record[field.offset + i]) return false;
    }
  }
  return true;
}

bool SameOnMouse(const Profile& profile, const UiRecord& record) {
  const UiRecord& p = profile.record;
  for (size_t offset : {uirec::kReportRate, uirec::kSnipeDpiCode, uirec::kFireMakeTime, uirec::kFireBreakTime,
                        uirec::kLightMode}) {
    if (p[offset] != record[offset]) return false;
  }
  for (int s = 1; s <= kStageCount; ++s) {
    if (p.DpiIndex(s) != record.DpiIndex(s) || p.StageEnabled(s) != record.StageEnabled(s)) return false;
    if (p.StageEnabled(s) == 1 && !std::equal(p.StageColour(s).begin(), p.StageColour(s).end(), record.StageColour(s).begin())) {
      return false;
    }
  }
  if (p[uirec::kLightMode] == kLightStandard && p[uirec::kBrightness] != record[uirec::kBrightness]) return false;
  if (p[uirec::kLightMode] == kLightNeon &&
      (p[uirec::kNeonPeriod] != record[uirec::kNeonPeriod] || p[uirec::kNeonEffect] != record[uirec::kNeonEffect])) {
    return false;
  }
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kSentKeyCount; ++key) {
      if (!(EncodeKeyAssignment(p, mode, key) == EncodeKeyAssignment(record, mode, key))) return false;
    }
  }
  return true;
}

std::string ProfileFileText(const Profile& profile) {
  std::string text = "# QV318 profile. Key functions: 0 Left Click ... 13 Shift, as in the key lists.\nformat = " +
                     std::to_string(kProfileFormat) + "\n";
  for (const Field& field : Fields()) text += field.name + " = " + ValueText(field, profile) + "\n";
  return text;
}

std::variant<Profile, std::string> ParseProfile(std::string_view text) {
  if (text.size() > kProfileFileMax) return std::string("the file is too large to be a profile");
  std::map<std::string, const Field*, std::less<>> byName;
  for (const Field& field : Fields()) byName[field.name] = &field;
  Profile profile;
  std::map<std::string, int, std::less<>> seen;
  bool formatSeen = false;
  int lineNumber = 0;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view line = Trimmed(text.substr(0, end));
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    const std::string at = "line " + std::to_string(lineNumber) + ": ";
    if (line.empty() || line.front() == '#') continue;
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos) return at + "not a \"field = value\" line";
    const std::string_view name = Trimmed(line.substr(0, equals));
    const std::string_view value = Trimmed(line.substr(equals + 1));
    if (!formatSeen) {
      if (name != "format") return at + "the first field must be format";
      if (value != std::to_string(kProfileFormat)) {
        return at + "format " + std::string(value) + " is not one this program reads (" + std::to_string(kProfileFormat) + ")";
      }
      formatSeen = true;
      continue;
    }
    const auto found = byName.find(name);
    if (found == byName.end()) return at + "unknown field " + std::string(name);
    if (seen.count(name) != 0) return at + std::string(name) + " is given twice";
    seen.emplace(name, lineNumber);
    if (const auto wrong = Store(*found->second, value, profile)) return at + std::string(name) + " " + *wrong;
  }
  if (!formatSeen) return std::string("no format line: not a profile");
  for (const Field& field : Fields()) {
    if (seen.count(field.name) == 0) return "the field " + field.name + " is missing";
  }
  // Each field in its range may still make a whole the window would never send: no stage
  // on, no Left Click, a snipe or fire value of another key's kind.
  UiRecord whole = DefaultRecord();
  KeyNames names;
  OverlayProfile(profile, whole, names);
  if (const auto field = UnproducibleField(whole, kAnyDpiTable)) {
    return "it holds a value the settings window cannot set (" + *field + ")";
  }
  return profile;
}

}  // namespace qv
