#pragma once
// What the mouse's memory means, decoded back from its bytes for people and scripts.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/config_image.h"

namespace qv::cli {

// A DPI code of the mouse's table and its value.
struct DpiView {
  int dpi = 0;  // 0 when the mouse's DPI table has no such code
  uint8_t code = 0;
};

struct StageView : DpiView {
  bool on = false;
  std::optional<std::array<uint8_t, 3>> colour;  // the mouse keeps colours of stages that are on
};

struct LightView {
  std::string mode;       // "Off", "Standard", "Neon" or "unknown (N)"
  std::string parameter;  // "55%", "2.5S" or empty
  std::string effect;     // Neon: "RGB Effect" or "RGB Flash"; otherwise empty
};

struct KeyView {
  KeyMode mode = KeyMode::A;
  int key = 1;
  std::string function;   // the key list's text, or "Unknown"
  std::string parameter;  // "Vol+", "DPI Loop", "R-CTRL, 3 shots" ...; empty when none
};

struct MouseView {
  std::optional<int> rateHz;
  uint8_t rateCode = 0;
  int dpiTable = 0;
  std::array<StageView, kStageCount> stages;
  DpiView snipe;  // the one DPI of every snipe key
  // Of every fire key, in the fire key dialog's own numbers (5..255; it names no unit).
  uint8_t fireMakeTime = 0;
  uint8_t fireBreakTime = 0;
  LightView light;
  std::vector<KeyView> keys;  // keys 1..4 of Mode A, then of Mode B
};

MouseView ViewOf(const ConfigImage& image);

// The stage fields of a UI state record as the image holds them: DPI index, on (1) or
// off (0) from bit 7 of the stage code, and the packed colours handed back to their stages.
UiRecord StageRecordOf(const ConfigImage& image);

std::optional<int> RateHz(uint8_t code);

}  // namespace qv::cli
