// What EncodeKeyAssignment writes, DecodeKeyAssignment reads back: the dump shows keys as
// they were assigned.
#include <gtest/gtest.h>

#include "keyassign/key_decode.h"

namespace qv {
namespace {

struct Assigned {
  KeyFunctionType type;
  size_t field;  // the parameter's record field, or 0 for none
  uint8_t parameter;
  uint8_t fireTimes;
};

TEST(KeyDecode, EveryAssignmentComesBackFromItsBytes) {
  const Assigned cases[] = {
      {KeyFunctionType::LeftClick, 0, 0, 0},      {KeyFunctionType::RightClick, 0, 0, 0},
      {KeyFunctionType::MidClick, 0, 0, 0},       {KeyFunctionType::Forward, 0, 0, 0},
      {KeyFunctionType::Backward, 0, 0, 0},       {KeyFunctionType::DpiSwitch, uirec::kDpiSubFunction, kDpiDown, 0},
      {KeyFunctionType::Windows, uirec::kWindowsIndex, 8, 0},
      {KeyFunctionType::Multimedia, uirec::kMediaIndex, 6, 0},
      {KeyFunctionType::HotKey, uirec::kHotKeyIndex, 7, 0},
      {KeyFunctionType::FireKey, uirec::kFireTargetCode, 0xE4, 127},
      {KeyFunctionType::SingleKey, uirec::kSingleKeyUsage, 0x2C, 0},
      {KeyFunctionType::SnipeKey, 0, 0, 0},       {KeyFunctionType::KeyOff, 0, 0, 0},
      {KeyFunctionType::Shift, 0, 0, 0},
  };
  for (const Assigned& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.type));
    UiRecord record;
    record.Key(uirec::kFunctionType, KeyMode::B, 2) = static_cast<uint8_t>(c.type);
    if (c.field != 0) record.Key(c.field, KeyMode::B, 2) = c.parameter;
    record.Key(uirec::kFireTimes, KeyMode::B, 2) = c.fireTimes;
    const std::optional<DecodedKey> decoded = DecodeKeyAssignment(EncodeKeyAssignment(record, KeyMode::B, 2));
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(decoded->type, c.type);
    EXPECT_EQ(decoded->parameter, c.parameter);
    EXPECT_EQ(decoded->fireTimes, c.fireTimes);
  }
}

TEST(KeyDecode, PairsNoAssignmentMakesAreNotGuessed) {
  for (const KeyCode code : {KeyCode{0x18, 0x02}, KeyCode{0x07, 0x03}, KeyCode{0x99, 0x80}, KeyCode{0x04, 0x01}}) {
    EXPECT_FALSE(DecodeKeyAssignment(code).has_value()) << int{code.code} << "/" << int{code.type};
  }
}

}  // namespace
}  // namespace qv
