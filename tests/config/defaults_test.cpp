#include "config/defaults.h"

#include <gtest/gtest.h>

#include <set>

#include "model/dpi_tables.h"
#include "config/settings.h"
#include "keyassign/key_codes.h"

namespace qv {
namespace {

TEST(DefaultRecord, InstallsASensibleStartingState) {
  const UiRecord record = DefaultRecord();
  EXPECT_EQ(record[uirec::kReportRate], kRate1000Hz);
  EXPECT_EQ(record[uirec::kLightMode], kLightStandard);
  EXPECT_EQ(record[uirec::kBrightness], 9);
  EXPECT_EQ(record.ShownMode(), KeyMode::A);
  EXPECT_EQ(record[uirec::kFireMakeTime], 32);
  EXPECT_EQ(record[uirec::kFireBreakTime], 32);
  std::set<std::array<uint8_t, 3>> colours;
  for (int stage = 1; stage <= kStageCount; ++stage) {
    EXPECT_EQ(record.StageEnabled(stage), 1) << stage;
    const auto rgb = record.StageColour(stage);
    colours.insert({rgb[0], rgb[1], rgb[2]});
  }
  EXPECT_EQ(colours.size(), 4u) << "distinct stage colours";
}

TEST(DefaultRecord, StagesRiseInsideEveryTable) {
  const UiRecord record = DefaultRecord();
  for (int selector = 0; selector < kDpiSelectorCount; ++selector) {
    int previous = 0;
    for (int stage = 1; stage <= kStageCount; ++stage) {
      const std::u16string text = DpiValueText(selector, record.DpiIndex(stage));
      ASSERT_FALSE(text.empty()) << "selector " << selector << " stage " << stage;
      const int value = std::stoi(std::string(text.begin(), text.end()));
      EXPECT_GT(value, previous);
      previous = value;
    }
  }
}

TEST(DefaultRecord, KeysEncodeAsTheClicksDpiLoopAndKeyOffInBothModes) {
  const UiRecord record = DefaultRecord();
  for (KeyMode mode : {KeyMode::A, KeyMode::B}) {
    EXPECT_EQ(EncodeKeyAssignment(record, mode, 1), (KeyCode{0xF0, 0x00}));
    EXPECT_EQ(EncodeKeyAssignment(record, mode, 2), (KeyCode{0xF1, 0x00}));
    EXPECT_EQ(EncodeKeyAssignment(record, mode, 3), (KeyCode{0xF2, 0x00}));
    EXPECT_EQ(EncodeKeyAssignment(record, mode, 4), (KeyCode{0x05, 0x03}));
    for (int key = 5; key <= 8; ++key) {
      EXPECT_EQ(record.Key(uirec::kFunctionType, mode, key), static_cast<uint8_t>(KeyFunctionType::KeyOff));
    }
  }
}

TEST(DefaultKeyNames, LanguageTexts) {
  Settings settings;
  SetDefaultKeyNames(settings, Language::SimplifiedChinese);
  EXPECT_EQ(settings.KeyName(KeyMode::A, 1), u"左键");
  EXPECT_EQ(settings.KeyName(KeyMode::B, 3), u"中键");
  EXPECT_EQ(settings.KeyName(KeyMode::B, 4), u"DPI循环");
  EXPECT_EQ(settings.KeyName(KeyMode::A, 8), u"按键关闭");
  SetDefaultKeyNames(settings, Language::English);
  EXPECT_EQ(settings.KeyName(KeyMode::B, 2), u"Right Click");
  EXPECT_EQ(settings.KeyName(KeyMode::A, 5), u"Key Off");
}

}  // namespace
}  // namespace qv
