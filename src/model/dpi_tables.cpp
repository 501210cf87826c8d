#include "model/dpi_tables.h"


#include "common/text.h"

namespace qv {
namespace {

struct DpiTable {
  std::array<uint16_t, 12> values;
  std::array<uint8_t, 12> codes;
  int steps;
};

constexpr std::array<DpiTable, kDpiSelectorCount> kTables = {{
    {{250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000},
     {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x25, 0x26, 0x27, 0x28},
     12},
    {{500, 1000, 1500, 1750, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000},
     {0x02, 0x04, 0x06, 0x07, 0x08, 0x0A, 0x0C, 0x0E, 0x28, 0x2A, 0x2C, 0x2E},
     12},
    {{250, 500, 750, 1000, 1250, 1500, 2000, 2500}, {0x02, 0x04, 0x06, 0x08, 0x0A, 0x26, 0x28, 0x2A}, 8},
    {{400, 800, 1200, 1600, 2000, 2400, 2800, 3200}, {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08}, 8},
}};

const DpiTable* TableOf(int selector) {
  if (selector < 0 || selector >= kDpiSelectorCount) return nullptr;
  return &kTables[static_cast<size_t>(selector)];
}

bool InTable(const DpiTable& table, int index) { return index >= 0 && index < table.steps; }

std::u16string ValueText(const DpiTable* table, int index) {
  if (table == nullptr || !InTable(*table, index)) return {};
  return DecimalText(table->values[static_cast<size_t>(index)]);
}

}  // namespace

int DpiLevelCount(int selector) { return selector == 2 || selector == 3 ? 8 : 12; }

uint8_t DpiCode(int selector, int index, bool enabled) {
  const DpiTable* table = TableOf(selector);
  const uint8_t code = table != nullptr && InTable(*table, index) ? table->codes[static_cast<size_t>(index)] : 0;
  return enabled ? static_cast<uint8_t>(code & ~kDpiDisabledBit) : static_cast<uint8_t>(code | kDpiDisabledBit);
}

int DpiValue(int selector, int index) {
  const DpiTable* table = TableOf(selector);
  return table != nullptr && InTable(*table, index) ? table->values[static_cast<size_t>(index)] : 0;
}

int DpiIndexOfCode(int selector, uint8_t code) {
  const DpiTable* table = TableOf(selector);
  if (table == nullptr) return -1;
  const auto wanted = static_cast<uint8_t>(code & ~kDpiDisabledBit);
  for (int index = 0; index < table->steps; ++index) {
    if (table->codes[static_cast<size_t>(index)] == wanted) return index;
  }
  return -1;
}

std::u16string DpiValueText(int selector, int index) {
  const bool shown = selector >= 1 && selector <= 3;
  return ValueText(TableOf(shown ? selector : 0), index);
}

std::u16string DpiNoticeText(int selector, int index) { return ValueText(TableOf(selector), index); }

std::array<std::u16string, kStageCount> StageDpiNoticeTexts(const UiRecord& record, int selector) {
  std::array<std::u16string, kStageCount> texts;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    texts[static_cast<size_t>(stage - 1)] = DpiNoticeText(selector, record.DpiIndex(stage));
  }
  return texts;
}

}  // namespace qv
