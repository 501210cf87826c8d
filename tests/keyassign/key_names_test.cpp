#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "keyassign/key_codes.h"

namespace qv {
namespace {

struct Row {
  std::u16string name;
  uint8_t usage;
};

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

// The whole key-name table, built from its ranges rather than copied from the code.
std::vector<Row> ExpectedTable() {
  std::vector<Row> rows;
  for (int i = 0; i < 26; ++i) rows.push_back({std::u16string(1, static_cast<char16_t>(u'A' + i)), static_cast<uint8_t>(0x04 + i)});
  for (int i = 1; i <= 9; ++i) rows.push_back({Ascii(std::to_string(i)), static_cast<uint8_t>(0x1E + i - 1)});
  rows.push_back({u"0", 0x27});
  const char* punctuation[] = {"Enter", "Esc", "Backspace", "Tab", "Space", "-", "=", "[", "]", "\\",
                               "Eurpo(Note 2)", ";", "'", "`", ",", ".", "/", "Caps Lock"};
  for (int i = 0; i < 18; ++i) rows.push_back({Ascii(punctuation[i]), static_cast<uint8_t>(0x28 + i)});
  for (int i = 1; i <= 12; ++i) rows.push_back({Ascii("F" + std::to_string(i)), static_cast<uint8_t>(0x3A + i - 1)});
  const char* editing[] = {"Prnt Scrn", "Scroll Lock", "Pause", "Insert", "Home", "Page Up", "Delete",
                           "End", "Page Down", "Right", "Left", "Down", "Up",
                           "Num Lock", "Num /", "Num *", "Num -", "Num +", "Num Enter"};
  for (int i = 0; i < 19; ++i) rows.push_back({Ascii(editing[i]), static_cast<uint8_t>(0x46 + i)});
  for (int i = 1; i <= 9; ++i) rows.push_back({Ascii("Num " + std::to_string(i)), static_cast<uint8_t>(0x59 + i - 1)});
  rows.push_back({u"Num 0", 0x62});
  rows.push_back({u"Num Del", 0x63});
  const char* modifiers[] = {"Ctrl", "Shift", "Alt", "Left Windows", "Right Ctrl", "Right Shift", "Right Alt",
                             "Right Windows"};
  for (int i = 0; i < 8; ++i) rows.push_back({Ascii(modifiers[i]), static_cast<uint8_t>(0xE0 + i)});
  rows.push_back({u"L-Button", 0xF0});
  rows.push_back({u"R-Button", 0xF1});
  rows.push_back({u"M-Button", 0xF2});
  return rows;
}

TEST(KeyNames, EveryRowOfTheTableAndBack) {
  const std::vector<Row> rows = ExpectedTable();
  ASSERT_EQ(rows.size(), 107u);
  for (const Row& row : rows) {
    EXPECT_EQ(KeyNameToUsage(row.name), row.usage) << std::string(row.name.begin(), row.name.end());
    EXPECT_EQ(UsageToKeyName(row.usage), row.name) << int{row.usage};
  }
}

TEST(KeyNames, OnlyExactWholeNamesMatch) {
  const std::u16string_view misses[] = {u"shift", u"SHIFT", u"Shift ", u" Shift", u"a", u"enter", u"Num  1",
                                        u"Right windows", u"", u"Return", u"Control", u"Super_L", u"F13",
                                        u"Page_Up", u"Escape"};
  for (std::u16string_view name : misses) {
    EXPECT_EQ(KeyNameToUsage(name), 0) << std::string(name.begin(), name.end());
  }
  EXPECT_EQ(KeyNameToUsage(u"Right Windows"), 0xE7);
  EXPECT_EQ(UsageToKeyName(0), u"");
  EXPECT_EQ(UsageToKeyName(0x64), u"");
}

constexpr uint32_t Key(uint32_t scan, bool extended = false) { return (scan << 16) | (extended ? 1u << 24 : 0u) | 1u; }

TEST(ScanCodes, EveryKeyboardUsageOfTheTableCanBeTyped) {
  std::set<uint8_t> typed;
  for (uint32_t scan = 0; scan < 0x100; ++scan) {
    for (bool extended : {false, true}) typed.insert(ScanCodeToUsage(Key(scan, extended)));
  }
  for (const Row& row : ExpectedTable()) {
    if (row.usage >= 0xF0 || row.usage == 0x32) continue;  // mouse buttons; ISO shares 0x2B with "\\"
    EXPECT_TRUE(typed.count(row.usage)) << std::string(row.name.begin(), row.name.end());
  }
}

TEST(ScanCodes, KeysThatShareAScanCodeAreToldApartByTheExtendedFlag) {
  struct Case {
    uint32_t lParam;
    std::u16string_view name;
  };
  const Case cases[] = {
      {Key(0x1C), u"Enter"},          {Key(0x1C, true), u"Num Enter"},  {Key(0x1D), u"Ctrl"},
      {Key(0x1D, true), u"Right Ctrl"}, {Key(0x38), u"Alt"},           {Key(0x38, true), u"Right Alt"},
      {Key(0x2A), u"Shift"},          {Key(0x36), u"Right Shift"},     {Key(0x5B, true), u"Left Windows"},
      {Key(0x5C, true), u"Right Windows"}, {Key(0x35), u"/"},          {Key(0x35, true), u"Num /"},
      {Key(0x37), u"Num *"},          {Key(0x37, true), u"Prnt Scrn"}, {Key(0x54), u"Prnt Scrn"},
      {Key(0x45, true), u"Num Lock"}, {Key(0x45), u"Pause"},           {Key(0x46, true), u"Pause"},
      {Key(0x46), u"Scroll Lock"},    {Key(0x47), u"Num 7"},           {Key(0x47, true), u"Home"},
      {Key(0x48, true), u"Up"},       {Key(0x49, true), u"Page Up"},   {Key(0x4A), u"Num -"},
      {Key(0x4B, true), u"Left"},     {Key(0x4C), u"Num 5"},           {Key(0x4D, true), u"Right"},
      {Key(0x4E), u"Num +"},          {Key(0x4F, true), u"End"},       {Key(0x50, true), u"Down"},
      {Key(0x51, true), u"Page Down"}, {Key(0x52), u"Num 0"},          {Key(0x52, true), u"Insert"},
      {Key(0x53), u"Num Del"},        {Key(0x53, true), u"Delete"},
      {Key(0x2B), u"\\"},             {Key(0x01), u"Esc"},             {Key(0x0E), u"Backspace"},
      {Key(0x10), u"Q"},              {Key(0x1E), u"A"},               {Key(0x2C), u"Z"},
      {Key(0x57), u"F11"},            {Key(0x58), u"F12"},             {Key(0x3A), u"Caps Lock"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UsageToKeyName(ScanCodeToUsage(c.lParam)), c.name) << std::hex << c.lParam;
  }
}

TEST(ScanCodes, UnknownKeysAndTheOtherMessageBitsDoNotMatter) {
  EXPECT_EQ(ScanCodeToUsage(Key(0x5D, true)), 0) << "Apps key";
  EXPECT_EQ(ScanCodeToUsage(Key(0x00)), 0);
  EXPECT_EQ(ScanCodeToUsage(Key(0x4C, true)), 0);
  const uint32_t releasedRepeatedWithAlt = Key(0x1E) | 0xE000'0000u | 0x20u;
  EXPECT_EQ(ScanCodeToUsage(releasedRepeatedWithAlt), 0x04);
}

TEST(KeystrokeUsage, TheNamesUsageOtherwiseTheScanCodesWhateverNameIsShown) {
  struct Case {
    std::u16string_view name;
    uint32_t lParam;
    uint8_t usage;
  };
  const Case cases[] = {
      {u"Enter", Key(0x1C), 0x28},
      {u"Return", Key(0x1C), 0x28},  // X11 names under Wine
      {u"Control_R", Key(0x1D, true), 0xE4},
      {u"Control", Key(0x1D), 0xE0},
      {u"Super_L", Key(0x5B, true), 0xE3},
      {u"Right", Key(0x4D, true), 0x4F},
      {u"KP_Right", Key(0x4D), 0x5E},
      {u"less", Key(0x56), 0x64},  // the ISO key beside left Shift
      {u"Strg", Key(0x1D), 0xE0},  // a German layout's name
      {u"F1", Key(0x00), 0x3A},   // the table's name wins over an unknown scan code
      {u"Menu", Key(0x5D, true), 0x00},
      {u"", Key(0x00), 0x00},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeystrokeUsage(c.name, c.lParam), c.usage) << std::string(c.name.begin(), c.name.end());
  }
}

}  // namespace
}  // namespace qv
