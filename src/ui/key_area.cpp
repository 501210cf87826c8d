#include "ui/key_area.h"

#include <array>

#include "ui/key_names.h"
#include "ui/page_elements.h"

namespace qv {
namespace {

// Key-list positions: three clicks, "DPI Switch", then "Key Off".
constexpr std::array<uint8_t, kKeysPerMode> kDefaultListIndexes = {0, 1, 2, 5, 12, 12, 12, 12};
constexpr int kDpiSwitchKey = 4;
constexpr uint8_t kDpiLoopSubFunction = 5;

void DrawShownKeyBoxes(const Page& page, Canvas& canvas) {
  for (int key = 1; key <= layout::kShownKeyCount; ++key) DrawKeyBox(canvas, page, key, false);
}

void ShowMode(Page& page, KeyMode mode, Canvas& canvas) {
  page.record[uirec::kShownMode] = static_cast<uint8_t>(mode);
  DrawModeButtons(canvas, page);
  DrawShownKeyBoxes(page, canvas);
}

}  // namespace

void ShowModeA(Page& page, Canvas& canvas) { ShowMode(page, KeyMode::A, canvas); }
void ShowModeB(Page& page, Canvas& canvas) { ShowMode(page, KeyMode::B, canvas); }

void RestoreDefaultKeys(Page& page, Canvas& canvas) {
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (int key = 1; key <= kKeysPerMode; ++key) {
      page.record.Key(uirec::kFunctionType, mode, key) = kDefaultListIndexes[static_cast<size_t>(key - 1)];
    }
    page.record.Key(uirec::kDpiSubFunction, mode, kDpiSwitchKey) = kDpiLoopSubFunction;
  }
  FillDefaultKeyNames(page.keyNames, page.language);
  // Both modes now carry the same names, so the shown mode's are Mode A's.
  DrawShownKeyBoxes(page, canvas);
}

}  // namespace qv
