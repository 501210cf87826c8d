#include "cli/view_output.h"

#include <cstdio>
#include <sstream>

namespace qv::cli {
namespace {

std::string ColourText(const std::array<uint8_t, 3>& rgb) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", rgb[0], rgb[1], rgb[2]);
  return text;
}

std::string ModeName(KeyMode mode) { return mode == KeyMode::A ? "A" : "B"; }

std::string DpiText(const DpiView& dpi) {
  if (dpi.dpi != 0) return std::to_string(dpi.dpi) + " DPI";
  char text[24];
  std::snprintf(text, sizeof text, "unknown code 0x%02X", dpi.code & 0x7F);
  return text;
}

std::string DpiJson(const DpiView& dpi) { return dpi.dpi != 0 ? std::to_string(dpi.dpi) : "null"; }

// A JSON string: the texts are the program's own, so only quotes and backslashes occur.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string OrNull(const std::string& text) { return text.empty() ? "null" : Quoted(text); }

}  // namespace

std::string ViewText(const MouseView& view) {
  std::ostringstream out;
  out << "Report rate: " << (view.rateHz ? std::to_string(*view.rateHz) + " Hz" : "unknown code " + std::to_string(view.rateCode))
      << "\nDPI table: " << view.dpiTable << "\n";
  for (size_t i = 0; i < view.stages.size(); ++i) {
    const StageView& stage = view.stages[i];
    out << "Stage " << i + 1 << ": " << DpiText(stage) << ", " << (stage.on ? "on" : "off");
    if (stage.colour) out << ", colour " << ColourText(*stage.colour);
    out << "\n";
  }
  out << "Snipe: " << DpiText(view.snipe) << "\nFire: Make Time " << int{view.fireMakeTime} << ", Break Time "
      << int{view.fireBreakTime} << "\n";
  out << "Lighting: " << view.light.mode;
  if (!view.light.parameter.empty()) out << ", " << view.light.parameter;
  if (!view.light.effect.empty()) out << ", " << view.light.effect;
  out << "\n";
  for (const KeyView& key : view.keys) {
    out << "Key " << key.key << ", Mode " << ModeName(key.mode) << ": " << key.function;
    if (!key.parameter.empty()) out << " " << key.parameter;
    out << "\n";
  }
  return out.str();
}

std::string ViewJson(const MouseView& view) {
  std::ostringstream out;
  out << "{\n  \"reportRateHz\": " << (view.rateHz ? std::to_string(*view.rateHz) : "null")
      << ",\n  \"dpiTable\": " << view.dpiTable << ",\n  \"stages\": [";
  for (size_t i = 0; i < view.stages.size(); ++i) {
    const StageView& stage = view.stages[i];
    out << (i == 0 ? "\n" : ",\n") << "    {\"stage\": " << i + 1
        << ", \"dpi\": " << DpiJson(stage)
        << ", \"on\": " << (stage.on ? "true" : "false")
        << ", \"colour\": " << OrNull(stage.colour ? ColourText(*stage.colour) : "") << "}";
  }
  out << "\n  ],\n  \"snipeDpi\": " << DpiJson(view.snipe) << ",\n  \"fire\": {\"makeTime\": " << int{view.fireMakeTime}
      << ", \"breakTime\": " << int{view.fireBreakTime} << "},";
  out << "\n  \"lighting\": {\"mode\": " << Quoted(view.light.mode) << ", \"parameter\": " << OrNull(view.light.parameter)
      << ", \"effect\": " << OrNull(view.light.effect) << "},\n  \"keys\": [";
  for (size_t i = 0; i < view.keys.size(); ++i) {
    const KeyView& key = view.keys[i];
    out << (i == 0 ? "\n" : ",\n") << "    {\"mode\": " << Quoted(ModeName(key.mode)) << ", \"key\": " << key.key
        << ", \"function\": " << Quoted(key.function) << ", \"parameter\": " << OrNull(key.parameter) << "}";
  }
  out << "\n  ]\n}\n";
  return out.str();
}

}  // namespace qv::cli
