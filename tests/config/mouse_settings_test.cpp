#include "config/mouse_settings.h"

#include <gtest/gtest.h>

#include "config/defaults.h"
#include "config/image_fields.h"
#include "keyassign/key_codes.h"
#include "model/dpi_tables.h"

namespace qv {
namespace {

constexpr int kSelector = 1;

void Assign(UiRecord& r, KeyMode mode, int key, KeyFunctionType type, size_t field = 0, uint8_t value = 0) {
  r.Key(uirec::kFunctionType, mode, key) = static_cast<uint8_t>(type);
  if (field != 0) r.Key(field, mode, key) = value;
}

// What another computer set up: every kind of field away from this computer's defaults.
UiRecord ElsewhereRecord() {
  UiRecord r = DefaultRecord();
  r[uirec::kReportRate] = kRate250Hz;
  r.DpiIndex(2) = 10;
  r.StageEnabled(3) = 0;
  r.StageColour(4)[1] = 0x42;
  r[uirec::kLightMode] = kLightNeon;
  r[uirec::kNeonPeriod] = 17;
  r[uirec::kNeonEffect] = kNeonRgbFlash;
  r[uirec::kFireMakeTime] = 90;
  r[uirec::kFireBreakTime] = 7;
  r[uirec::kSnipeDpiCode] = DpiCode(kSelector, 4, true);
  Assign(r, KeyMode::A, 2, KeyFunctionType::Multimedia, uirec::kMediaIndex, 5);
  Assign(r, KeyMode::A, 3, KeyFunctionType::Windows, uirec::kWindowsIndex, 2);
  Assign(r, KeyMode::A, 4, KeyFunctionType::SnipeKey, uirec::kSnipeIndex, 4);
  Assign(r, KeyMode::B, 1, KeyFunctionType::HotKey, uirec::kHotKeyIndex, 7);
  Assign(r, KeyMode::B, 2, KeyFunctionType::SingleKey, uirec::kSingleKeyUsage, 0x28);
  Assign(r, KeyMode::B, 3, KeyFunctionType::FireKey, uirec::kFireTargetIndex, 2);
  r.Key(uirec::kFireTargetCode, KeyMode::B, 3) = FireTargetToCode(2);
  r.Key(uirec::kFireTimes, KeyMode::B, 3) = 3;
  Assign(r, KeyMode::B, 4, KeyFunctionType::DpiSwitch, uirec::kDpiSubFunction, kDpiDown);
  return r;
}

// The image the Apply pipeline's own writers make of a record.
ConfigImage ImageOf(const UiRecord& r) {
  ConfigImage image;
  image.StatusRate() = r[uirec::kReportRate];
  image.Field(blockset::kDpiSelector) = kSelector;
  WriteLighting(r, image);
  PackStageColours(r, image);
  WriteStageCodes(r, kSelector, image);
  image.Field(blockset::kSnipeDpiCode) = r[uirec::kSnipeDpiCode];
  image.Field(blockset::kFireMakeTime) = r[uirec::kFireMakeTime];
  image.Field(blockset::kFireBreakTime) = r[uirec::kFireBreakTime];
  WriteKeyTables(r, image);
  return image;
}

// Decoding undoes what Apply encodes: the page then shows what the mouse holds.
TEST(DecodeMouseSettings, GivesBackEveryFieldApplyWrote) {
  const UiRecord elsewhere = ElsewhereRecord();
  UiRecord here = DefaultRecord();
  DecodeMouseSettings(ImageOf(elsewhere), kSelector, here);
  UiRecord expected = elsewhere;
  // A stage that is off keeps its colour here: the mouse does not hold it.
  for (int i = 0; i < 3; ++i) expected.StageColour(3)[i] = DefaultRecord().StageColour(3)[i];
  // Shown-only fields are this computer's.
  expected[uirec::kStandardEffect] = here[uirec::kStandardEffect];
  expected[uirec::kBrightness] = here[uirec::kBrightness];
  EXPECT_EQ(here, expected);
}

// What the image holds in no known form keeps this computer's value; one broken field each.
TEST(DecodeMouseSettings, KeepsWhatDoesNotDecode) {
  struct Case {
    const char* what;
    size_t imageOffset;  // in the block set
    uint8_t value;
    size_t recordOffset;
  };
  const Case cases[] = {
      {"stage code outside the table", blockset::kStageCodes + 1, 0x7F, uirec::kDpiIndex + 1},
      {"lighting mode above Neon", blockset::kLightMode, 7, uirec::kLightMode},
      {"key pair nothing encodes", blockset::kModeAKeyTable + 3, 0x66, UiRecord::KeyOffset(uirec::kFunctionType, KeyMode::A, 2)},
      {"snipe code outside the table", blockset::kSnipeDpiCode, 0x7F, uirec::kSnipeDpiCode},
  };
  const UiRecord elsewhere = ElsewhereRecord();
  for (const Case& c : cases) {
    ConfigImage image = ImageOf(elsewhere);
    image.Field(c.imageOffset) = c.value;
    UiRecord here = DefaultRecord();
    DecodeMouseSettings(image, kSelector, here);
    EXPECT_EQ(here[c.recordOffset], DefaultRecord()[c.recordOffset]) << c.what;
  }
}

TEST(TakeMouseSettings, OnlyAfterACompleteReadAndRenamesTheKeysThatChanged) {
  AppState state;
  state.record = state.savedCopy = DefaultRecord();
  state.image = ImageOf(ElsewhereRecord());
  state.dpiSelector = kSelector;
  KeyNames names;
  for (auto& mode : names) mode.fill(u"kept");

  EXPECT_FALSE(TakeMouseSettings(state, names));
  EXPECT_EQ(state.record, DefaultRecord());

  state.imageComplete = true;
  EXPECT_TRUE(TakeMouseSettings(state, names));
  EXPECT_EQ(state.savedCopy, state.record) << "Cancel returns to what the mouse holds";
  EXPECT_EQ(names[0][0], u"kept");  // key 1 of Mode A is still Left Click
  EXPECT_EQ(names[0][1], u"");      // Mode A key 2 became Multimedia
  EXPECT_EQ(names[1][1], u"");      // Mode B key 2 became a single key
}

}  // namespace
}  // namespace qv
