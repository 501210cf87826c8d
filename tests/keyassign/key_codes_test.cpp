#include "keyassign/key_codes.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// One key with every parameter field set to something the type must not pick up by mistake.
UiRecord Fixture(KeyMode mode, int key, uint8_t type) {
  UiRecord record;
  record.Key(uirec::kFunctionType, mode, key) = type;
  record.Key(uirec::kMediaIndex, mode, key) = 3;
  record.Key(uirec::kWindowsIndex, mode, key) = 0;
  record.Key(uirec::kHotKeyIndex, mode, key) = 7;
  record.Key(uirec::kSingleKeyUsage, mode, key) = 0x2C;
  record.Key(uirec::kSnipeIndex, mode, key) = 9;
  record.Key(uirec::kFireTargetIndex, mode, key) = 44;
  record.Key(uirec::kFireTargetCode, mode, key) = 0xE4;
  record.Key(uirec::kFireTimes, mode, key) = 127;
  record.Key(uirec::kDpiSubFunction, mode, key) = kDpiDown;
  return record;
}

TEST(EncodeKeyAssignment, EveryTypeTakesOnlyItsOwnParameter) {
  struct Case {
    uint8_t type;
    KeyCode expected;
  };
  const Case cases[] = {
      {0, {0xF0, 0x00}}, {1, {0xF1, 0x00}},  {2, {0xF2, 0x00}},  {3, {0xF4, 0x00}},  {4, {0xF3, 0x00}},
      {5, {0x04, 0x03}}, {6, {0x07, 0x02}},  {7, {0x03, 0x02}},  {8, {0x17, 0x02}},  {9, {0xE4, 0xFF}},
      {10, {0x2C, 0x00}}, {11, {0x0A, 0x03}}, {12, {0x00, 0x00}}, {13, {0x06, 0x03}},
      {14, {0x00, 0x00}}, {200, {0x00, 0x00}}, {255, {0x00, 0x00}},  // only a damaged record holds these
  };
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    for (const Case& c : cases) {
      const KeyCode got = EncodeKeyAssignment(Fixture(mode, 2, c.type), mode, 2);
      EXPECT_EQ(got, c.expected) << "type " << int{c.type} << " mode " << int(mode) << " got " << int{got.code}
                                 << "," << int{got.type};
    }
  }
}

TEST(EncodeKeyAssignment, ReadsTheFieldsOfItsOwnModeAndKey) {
  UiRecord record = Fixture(KeyMode::B, 4, static_cast<uint8_t>(KeyFunctionType::Multimedia));
  record.Key(uirec::kMediaIndex, KeyMode::A, 4) = 6;
  record.Key(uirec::kFunctionType, KeyMode::A, 4) = static_cast<uint8_t>(KeyFunctionType::Multimedia);
  record.Key(uirec::kMediaIndex, KeyMode::B, 3) = 5;
  EXPECT_EQ(EncodeKeyAssignment(record, KeyMode::B, 4), (KeyCode{0x03, 0x02}));
  EXPECT_EQ(EncodeKeyAssignment(record, KeyMode::A, 4), (KeyCode{0x06, 0x02}));
}

TEST(EncodeKeyAssignment, FireTimesAndIndexesWrapWithoutRangeChecks) {
  struct Case {
    KeyFunctionType type;
    size_t field;
    uint8_t value;
    KeyCode expected;
  };
  const Case cases[] = {
      {KeyFunctionType::FireKey, uirec::kFireTimes, 0, {0xE4, 0x80}},
      {KeyFunctionType::FireKey, uirec::kFireTimes, 128, {0xE4, 0x00}},
      {KeyFunctionType::Windows, uirec::kWindowsIndex, 8, {0x0F, 0x02}},
      {KeyFunctionType::Windows, uirec::kWindowsIndex, 9, {0x10, 0x02}},
      {KeyFunctionType::HotKey, uirec::kHotKeyIndex, 0, {0x10, 0x02}},
      {KeyFunctionType::DpiSwitch, uirec::kDpiSubFunction, kDpiLoop, {0x05, 0x03}},
      {KeyFunctionType::Shift, uirec::kDpiSubFunction, 0xFF, {0x06, 0x03}},
      {KeyFunctionType::SnipeKey, uirec::kSnipeIndex, 0, {0x0A, 0x03}},
  };
  for (const Case& c : cases) {
    UiRecord record = Fixture(KeyMode::A, 1, static_cast<uint8_t>(c.type));
    record.Key(c.field, KeyMode::A, 1) = c.value;
    EXPECT_EQ(EncodeKeyAssignment(record, KeyMode::A, 1), c.expected) << int(c.type) << " value " << int{c.value};
  }
}

TEST(KeyTableSlot, FourthKeyGoesToSlotFiveInModeAAndFourInModeB) {
  EXPECT_EQ(KeyTableSlot(KeyMode::A, 1), 0u);
  EXPECT_EQ(KeyTableSlot(KeyMode::A, 2), 1u);
  EXPECT_EQ(KeyTableSlot(KeyMode::A, 3), 2u);
  EXPECT_EQ(KeyTableSlot(KeyMode::A, 4), 5u);
  EXPECT_EQ(KeyTableSlot(KeyMode::B, 3), 2u);
  EXPECT_EQ(KeyTableSlot(KeyMode::B, 4), 4u);
  for (int key : {0, 5, 8, 9}) {
    EXPECT_FALSE(KeyTableSlot(KeyMode::A, key)) << key;
    EXPECT_FALSE(KeyTableSlot(KeyMode::B, key)) << key;
  }
}

// Mode A key 4 Multimedia 3 lands at block-set 0x8A/0x8B, Mode B at 0xA8/0xA9.
TEST(KeyTableSlot, MultimediaOnTheFourthKeyLandsAtTheMouseOffsets) {
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    const UiRecord record = Fixture(mode, 4, static_cast<uint8_t>(KeyFunctionType::Multimedia));
    ConfigImage image;
    const KeyCode code = EncodeKeyAssignment(record, mode, 4);
    auto slot = image.KeySlot(mode, *KeyTableSlot(mode, 4));
    slot[0] = code.code;
    slot[1] = code.type;
    const size_t at = mode == KeyMode::A ? 0x8A : 0xA8;
    EXPECT_EQ(image.Field(at), 0x03);
    EXPECT_EQ(image.Field(at + 1), 0x02);
  }
}

TEST(FireTargets, ListTextsAndCodes) {
  struct Case {
    int index;
    std::u16string_view text;
    uint8_t code;
  };
  const Case cases[] = {
      {0, u"L-Button", 0xF0}, {3, u"B4-Button", 0xF3}, {4, u"B5-Button", 0xF4}, {5, u"A", 0x04},
      {30, u"Z", 0x1D},       {31, u"1", 0x1E},        {39, u"9", 0x26},        {40, u"0", 0x27},
      {41, u"L-CTRL", 0xE0},  {43, u"L-ALT", 0xE2},    {44, u"R-CTRL", 0xE4},   {46, u"R-ALT", 0xE6},
      {47, u"F1", 0x3A},      {58, u"F12", 0x45},      {59, u"", 0x00},         {255, u"", 0x00},
      {-1, u"", 0x00},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FireTargetText(c.index), c.text) << c.index;
    EXPECT_EQ(FireTargetToCode(c.index), c.code) << c.index;
  }
  for (int i = 5; i < 31; ++i) {
    EXPECT_EQ(FireTargetText(i), std::u16string(1, static_cast<char16_t>(u'A' + i - 5)));
    EXPECT_EQ(FireTargetToCode(i), 0x04 + i - 5);
  }
}

}  // namespace
}  // namespace qv
