#pragma once
// What the main page keeps between messages, and the view of the process-wide state that
// every page operation works on. The Win32 layer owns one PageSession for the window's life
// and builds a Page for each message from the state it holds.
#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "model/config_image.h"
#include "model/page_state.h"
#include "ui/canvas.h"
#include "ui/language.h"
#include "ui/layout.h"

namespace qv {

// Elements that have a hover look; key boxes 1..8 follow the buttons.
enum HoverItem : int {
  kHoverOk, kHoverApply, kHoverCancel, kHoverSkins, kHoverHide, kHoverClose, kHoverBack, kHoverDefault,
  kHoverFirstKeyBox,
  kHoverItemCount = kHoverFirstKeyBox + layout::kKeyCount,
};
constexpr HoverItem KeyBoxHover(int key) { return static_cast<HoverItem>(kHoverFirstKeyBox + key - 1); }  // key 1..8

struct OpenListFlags {
  std::array<bool, layout::kKeyCount> keyLists{};
  std::array<bool, layout::kLedBoxCount> ledLists{};
};

struct PageSession {
  PageState state = PageState::MustPaint;
  bool defaultNamesDecided = false;  // the first-run key names are decided once per run
  int dpiLevelCount = layout::kDpiMaxLevels;  // set when the page's statics are created
  std::bitset<kHoverItemCount> hover;
  OpenListFlags openLists;
};

// The names shown in the key boxes: [mode][key - 1], the shape of the INI settings' names.
using KeyNames = std::array<std::array<std::u16string, kKeysPerMode>, 2>;

struct Page {
  PageSession& session;
  UiRecord& record;
  KeyNames& keyNames;
  Language language = Language::English;
  Rgb textColour;
  int dpiSelector = 0;
  uint8_t firstRun = 0;  // byte 0 of config.bin
  bool hasCanvasBitmap = true;
};

}  // namespace qv
