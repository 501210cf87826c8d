#include "keyassign/key_captions.h"

#include <gtest/gtest.h>

#include "keyassign/assign_key_function.h"
#include "keyassign/key_codes.h"
#include "keyassign/selector_dialogs.h"
#include "ui/key_lists.h"
#include "ui/page_fakes.h"

namespace qv {
namespace {

using test::PageFixture;

// Answers every dialog with its third entry.
struct ThirdEntryDialogs : KeyDialogs {
  std::optional<Choice> RunWindows(int) override { return Choice{2, u"Calculator"}; }
  std::optional<Choice> RunMedia(int) override { return Choice{2, u"Stop"}; }
  std::optional<Choice> RunHotKey(int) override { return Choice{2, u"Paste"}; }
  std::optional<FireChoice> RunFire(const FireChoice&) override { return FireChoice{2, 3, 10, 10}; }
  std::optional<SingleKey> RunSingle(const SingleKey&) override { return SingleKey{u"Return", 0x28}; }
  std::optional<Choice> RunSnipe(int) override { return Choice{2, SnipeValues(0)[2]}; }
};

// The names a pick gives and the captions derived from the record must agree, or a settled
// page would rename keys the user just assigned. The dialogs answer English texts, so the
// pick is made in English.
TEST(KeyCaption, NamesEveryFunctionAsAPickDoes) {
  for (int type = 0; type < kKeyFunctionTypeCount; ++type) {
    if (type == kDpiSwitchEntry || type == static_cast<int>(KeyFunctionType::SingleKey)) continue;
    PageFixture f;
    f.page.dpiSelector = 0;
    f.log.existing.insert(KeyListId(2));
    f.log.selections[KeyListId(2)] = type;
    ThirdEntryDialogs dialogs;
    AssignKeyFunction(f.page, 2, f.log, dialogs);
    EXPECT_EQ(f.names[0][1], KeyCaption(f.record, KeyMode::A, 2, Language::English, 0)) << "type " << type;
  }
}

TEST(SettleKeyNames, NamesWhatEachKeyHoldsInTheLanguageShown) {
  PageFixture f;
  f.page.language = Language::SimplifiedChinese;
  f.record.Key(uirec::kFunctionType, KeyMode::A, 1) = static_cast<uint8_t>(KeyFunctionType::LeftClick);
  f.record.Key(uirec::kFunctionType, KeyMode::A, 2) = static_cast<uint8_t>(KeyFunctionType::Multimedia);
  f.record.Key(uirec::kMediaIndex, KeyMode::A, 2) = 5;
  f.record.Key(uirec::kFunctionType, KeyMode::B, 3) = static_cast<uint8_t>(KeyFunctionType::SingleKey);
  f.record.Key(uirec::kFunctionType, KeyMode::B, 4) = static_cast<uint8_t>(KeyFunctionType::SingleKey);
  f.record.Key(uirec::kSingleKeyUsage, KeyMode::B, 4) = 0x29;
  f.names[0][1] = u"Multimedia-Vol+";  // written while the window spoke English
  f.names[1][2] = u"单键-Return";       // the system's name of the captured key
  f.names[1][3] = u"Single Key-Esc";   // captured while the window spoke English
  f.names[0][4] = u"A5";                // keys 5..8 are not offered: left alone

  EXPECT_FALSE(SettleKeyNames(f.page));
  EXPECT_EQ(f.names[0][0], u"左键");
  EXPECT_EQ(f.names[0][1], u"多媒体-音量+");
  EXPECT_EQ(f.names[1][2], u"单键-Return");
  EXPECT_EQ(f.names[1][3], u"单键-Esc");
  EXPECT_EQ(f.names[0][4], u"A5");
}

TEST(SettleKeyNames, FirstRunTakesTheDefaultsOncePerRun) {
  for (uint8_t firstRun : {uint8_t{0}, uint8_t{1}}) {
    PageFixture f;
    f.page.firstRun = firstRun;
    f.record.Key(uirec::kFunctionType, KeyMode::B, 1) = static_cast<uint8_t>(KeyFunctionType::Forward);
    EXPECT_EQ(SettleKeyNames(f.page), firstRun == 0);
    EXPECT_EQ(f.names[0][4], firstRun == 0 ? u"Key Off" : u"A5");
    EXPECT_EQ(f.names[1][0], u"Forward") << "a default that does not name the key's function gives way";
    EXPECT_FALSE(SettleKeyNames(f.page));
  }
}

}  // namespace
}  // namespace qv
