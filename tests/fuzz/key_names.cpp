// The key-name and scan-code tables and the key encoding: any name, any keystroke lParam,
// any fire-list position and any record bytes.
#include "fuzz/fuzz_check.h"
#include "keyassign/key_codes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qv;
  FuzzedDataProvider input(data, size);
  const auto lParam = input.ConsumeIntegral<uint32_t>();
  const int index = input.ConsumeIntegral<int>();
  const int key = input.ConsumeIntegralInRange<int>(-2, kKeysPerMode + 2);
  UiRecord record;
  const std::vector<uint8_t> bytes = input.ConsumeBytes<uint8_t>(kRecordSize);
  std::copy(bytes.begin(), bytes.end(), record.bytes.begin());
  const std::u16string name = FromUtf8(input.ConsumeRemainingBytesAsString());

  const uint8_t usage = KeyNameToUsage(name);
  fuzz::Require(usage == 0 || UsageToKeyName(usage) == name, "a known name is the table's name of its usage");
  const uint8_t captured = KeystrokeUsage(name, lParam);
  fuzz::Require(captured == (usage != 0 ? usage : ScanCodeToUsage(lParam)),
                "a keystroke takes its name's usage, else its scan code's");
  const std::u16string_view text = FireTargetText(index);
  const bool listed = index >= 0 && index < kFireTargetCount;
  fuzz::Require(listed != text.empty() && (listed || FireTargetToCode(index) == 0),
                "only the 59 fire-list positions have a text and a code");
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    const std::optional<size_t> slot = KeyTableSlot(mode, key);
    fuzz::Require(!slot || (key >= 1 && key <= kSentKeyCount && *slot < blockset::kKeySlotCount),
                  "only keys 1..4 have a slot");
    if (key >= 1 && key <= kKeysPerMode) EncodeKeyAssignment(record, mode, key);
  }
  return 0;
}
