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
  // Each mode keeps a Left Click, as the window insists.
  Assign(r, KeyMode::A, 1, KeyFunctionType::Multimedia, uirec::kMediaIndex, 5);
  Assign(r, KeyMode::A, 2, KeyFunctionType::LeftClick);
  Assign(r, KeyMode::A, 3, KeyFunctionType::Windows, uirec::kWindowsIndex, 2);
  Assign(r, KeyMode::A, 4, KeyFunctionType::SnipeKey, uirec::kSnipeIndex, 4);
  Assign(r, KeyMode::B, 1, KeyFunctionType::HotKey, uirec::kHotKeyIndex, 7);
  Assign(r, KeyMode::B, 2, KeyFunctionType::SingleKey, uirec::kSingleKeyUsage, 0x28);
  Assign(r, KeyMode::B, 3, KeyFunctionType::LeftClick);
  Assign(r, KeyMode::B, 4, KeyFunctionType::FireKey, uirec::kFireTargetIndex, 2);
  r.Key(uirec::kFireTargetCode, KeyMode::B, 4) = FireTargetToCode(2);
  r.Key(uirec::kFireTimes, KeyMode::B, 4) = 3;

  return r;
}

// The image the Apply pipeline's own writers make of a record.
ConfigImage ImageOf(const UiRecord& r) {
  ConfigImage image;
  image.StatusRate() = r[uirec::kReportRate];
  image.Field(blockset::kDpiSelector) = kSelector;
  WriteLighting(r, image);
  PackStageColours(r, image);
  WriteEnabledStageCount(r, image);
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

  // In Standard the parameter is the brightness, the top level included.
  UiRecord standard = elsewhere;
  standard[uirec::kLightMode] = kLightStandard;
  standard[uirec::kBrightness] = 9;
  here[uirec::kBrightness] = 0;
  DecodeMouseSettings(ImageOf(standard), kSelector, here);
  EXPECT_EQ(here[uirec::kBrightness], 9);
}

// What the image holds in no known form keeps this computer's value; one broken field each.
TEST(DecodeMouseSettings, KeepsWhatDoesNotDecode) {
  struct Case {
    const char* what;
    size_t imageOffset;  // in the block set
    uint8_t value;
    size_t recordOffset;
    uint8_t lightMode = kLightNeon;  // elsewhere's
  };
  const Case cases[] = {
      {"stage code outside the table", blockset::kStageCodes + 1, 0x7F, uirec::kDpiIndex + 1},
      {"lighting mode above Neon", blockset::kLightMode, 7, uirec::kLightMode},
      {"key pair nothing encodes", blockset::kModeAKeyTable + 1, 0x66, UiRecord::KeyOffset(uirec::kFunctionType, KeyMode::A, 1)},
      {"snipe code outside the table", blockset::kSnipeDpiCode, 0x7F, uirec::kSnipeDpiCode},
      {"stages on miscounted: colours unattributable", blockset::kEnabledStageCount, 2, uirec::kStageColour + 10},
      {"fire make time below the dialog's 5", blockset::kFireMakeTime, 3, uirec::kFireMakeTime},
      {"Mode A left without Left Click", blockset::kModeAKeyTable + 2, kButtonRight,
       UiRecord::KeyOffset(uirec::kFunctionType, KeyMode::A, 1)},
      {"brightness above the top level", blockset::kLightParameter, 10, uirec::kBrightness, kLightStandard},
  };
  const UiRecord elsewhere = ElsewhereRecord();
  for (const Case& c : cases) {
    ConfigImage image = ImageOf(elsewhere);
    image.Field(blockset::kLightMode) = c.lightMode;
    image.Field(c.imageOffset) = c.value;
    UiRecord here = DefaultRecord();
    DecodeMouseSettings(image, kSelector, here);
    EXPECT_EQ(here[c.recordOffset], DefaultRecord()[c.recordOffset]) << c.what;
  }
}

// Erased memory holds nothing the window writes: all stages off, no table, no keys. The page,
// the screen reader and Apply all keep this computer's settings and use the first table.
TEST(DecodeMouseSettings, ErasedMemoryKeepsEverythingOfThisComputer) {
  ConfigImage erased;
  erased.bytes.fill(0xFF);
  EXPECT_EQ(erased.DpiSelector(), 0);
  UiRecord here = ElsewhereRecord();
  DecodeMouseSettings(erased, erased.DpiSelector(), here);
  UiRecord expected = ElsewhereRecord();
  expected[uirec::kFireMakeTime] = expected[uirec::kFireBreakTime] = 255;  // the one value it could have set
  EXPECT_EQ(here, expected);
}

TEST(TakeMouseSettings, OnlyAfterACompleteReadAndRenamesTheKeysThatChanged) {
  AppState state;
  UiRecord here = ElsewhereRecord();
  Assign(here, KeyMode::A, 1, KeyFunctionType::RightClick);
  state.record = state.savedCopy = here;
  state.image = ImageOf(ElsewhereRecord());
  state.dpiSelector = kSelector;
  KeyNames names;
  for (auto& mode : names) mode.fill(u"kept");

  EXPECT_EQ(TakeMouseSettings(state, names), MouseTaken::NotRead);
  EXPECT_EQ(state.record, here);

  state.imageComplete = true;
  EXPECT_EQ(TakeMouseSettings(state, names), MouseTaken::Shown);
  EXPECT_EQ(state.savedCopy, state.record) << "Cancel returns to what the mouse holds";
  EXPECT_EQ(names[0][0], u"");      // Mode A key 1 became Multimedia
  EXPECT_EQ(names[0][1], u"kept");  // the others hold what they held
  EXPECT_EQ(names[1][3], u"kept");
}

// The mouse's memory always becomes what Cancel returns to; the page keeps the user's
// edits, and what an unfinished write was to leave, until Apply.
TEST(TakeMouseSettings, EditsNotAppliedStayOnThePage) {
  UiRecord edited = DefaultRecord();
  edited[uirec::kReportRate] = kRate1000Hz;
  edited.DpiIndex(1) = 12;
  UiRecord otherMode = DefaultRecord();
  otherMode[uirec::kShownMode] = static_cast<uint8_t>(KeyMode::B);
  struct Case {
    const char* what;
    UiRecord record;
    bool unfinished;
    MouseTaken taken;
    bool recordKept;
    std::u16string unfinishedMouse = u"";  // the mouse read is "A"
  };
  const Case cases[] = {
      {"no edits", DefaultRecord(), false, MouseTaken::Shown, false},
      {"edits", edited, false, MouseTaken::EditsKept, true},
      {"edits the mouse already holds", ElsewhereRecord(), false, MouseTaken::Shown, true},
      {"only the mode shown changed", otherMode, false, MouseTaken::Shown, false},
      {"a write did not finish", DefaultRecord(), true, MouseTaken::WriteUnfinished, true, u"A"},
      {"a write did not finish on another mouse", DefaultRecord(), true, MouseTaken::EditsKept, true, u"B"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AppState state;
    state.savedCopy = DefaultRecord();
    state.record = c.record;
    state.writeUnfinished = c.unfinished;
    state.unfinishedMouse = c.unfinishedMouse;
    state.openMouse = u"A";
    state.image = ImageOf(ElsewhereRecord());
    state.dpiSelector = kSelector;
    state.imageComplete = true;
    KeyNames names;
    EXPECT_EQ(TakeMouseSettings(state, names), c.taken);
    UiRecord mouse = ElsewhereRecord();
    mouse[uirec::kShownMode] = c.record[uirec::kShownMode];
    EXPECT_EQ(state.savedCopy, mouse);
    EXPECT_EQ(state.record, c.recordKept ? c.record : mouse);
  }
}

}  // namespace
}  // namespace qv
