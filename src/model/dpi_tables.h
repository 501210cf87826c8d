#pragma once
// The four DPI tables: the values the page and the notices show and the codes the mouse
// takes. The mouse picks the table (block-set byte 193); a damaged config.bin can hold any
// index, so every lookup here is bounds-checked.
#include <array>
#include <cstdint>
#include <string>

#include "model/config_image.h"

namespace qv {

inline constexpr int kDpiSelectorCount = 4;
inline constexpr uint8_t kDpiDisabledBit = 0x80;

// Levels of the selector's table as the page shows them: 8 for selectors 2 and 3, else 12.
int DpiLevelCount(int selector);

// The code at `index` of the selector's code table, bit 7 set when not enabled. An unknown
// selector or an index beyond the table gives code 0 (0x80 when not enabled).
uint8_t DpiCode(int selector, int index, bool enabled);

// The DPI value at `index` of the selector's table, 0 for an unknown selector or index.
int DpiValue(int selector, int index);

// The position of a stage code (bit 7 ignored) in the selector's code table, -1 when the
// table has no such code.
int DpiIndexOfCode(int selector, uint8_t code);

// The page's value text of a level: a selector outside 1..3 shows the selector-0 list; an
// index beyond the list gives an empty text.
std::u16string DpiValueText(int selector, int index);

// A stage's DPI text in a tray notice: empty for a selector outside 0..3 or an index
// beyond the list.
std::u16string DpiNoticeText(int selector, int index);

// The notice texts of stages 1..4 from their DPI indexes in the record.
std::array<std::u16string, kStageCount> StageDpiNoticeTexts(const UiRecord& record, int selector);

}  // namespace qv
