#pragma once
// Process-wide state: one instance owned by the application and handed to every part
// that needs it, instead of scattered globals.
#include <cstdint>
#include <string>

#include "model/config_image.h"

namespace qv {

struct TextColour {
  uint8_t red = 0;
  uint8_t green = 255;
  uint8_t blue = 0;
};

struct DisplayState {
  TextColour textColour;
  std::u16string skinDir;
  std::u16string skinName;
  std::u16string languageCode;
};

struct AppState {
  ConfigImage image;
  // True only when every transfer of the last read from the mouse succeeded; blocks that
  // were never read completely must never be written back over the mouse's own data.
  bool imageComplete = false;
  // The last write to the mouse was cut short (remembered beside config.bin across starts):
  // the record is what it was to leave, and one complete write clears it.
  bool writeUnfinished = false;
  // Which mouse is open, as far as the system tells (its physical device, else its data
  // channel's path; empty when none is or it cannot tell), and which one the unfinished
  // write went to.
  std::u16string openMouse;
  std::u16string unfinishedMouse;
  UiRecord record;
  UiRecord savedCopy;
  int connected = 0;
  int scrambling = 0;
  uint8_t dpiSelector = 0;  // block-set byte 193: the mouse's DPI table, for the page, its dialogs and Apply
  uint8_t firstRun = 0;     // byte 0 of config.bin as loaded
  int cancelPending = 0;
  DisplayState display;
};

}  // namespace qv
