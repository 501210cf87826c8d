#include "app/notices.h"

#include <gtest/gtest.h>

#include "common/text.h"

namespace qv {
namespace {

const StageDpiTexts kDpi = {u"800", u"1600", u"2400", u"3200"};

struct NoticeCase {
  uint64_t kind;
  int32_t value;
  Language language;
  std::u16string_view text;  // empty: nothing is shown
  std::u16string_view title;
  uint32_t timeout;
};

class NoticeTable : public testing::TestWithParam<NoticeCase> {};

TEST_P(NoticeTable, ShowsTheTextTitleAndTimeoutOfItsKindAndValue) {
  const NoticeCase& c = GetParam();
  const auto notice = NoticeFor(c.kind, c.value, c.language, kDpi);
  if (c.text.empty()) {
    EXPECT_FALSE(notice.has_value()) << ToUtf8(notice->text);
    return;
  }
  ASSERT_TRUE(notice.has_value());
  EXPECT_EQ(ToUtf8(notice->text), ToUtf8(c.text));
  EXPECT_EQ(notice->title, c.title);
  EXPECT_EQ(notice->timeoutMs, c.timeout);
}

constexpr auto EN = Language::English;
constexpr auto CHS = Language::SimplifiedChinese;
constexpr auto CHT = Language::TraditionalChinese;

INSTANTIATE_TEST_SUITE_P(
    AllKinds, NoticeTable,
    testing::Values(
        NoticeCase{5, 1, EN, u"Switch report rate into 1000HZ", u"Info", 5000},
        NoticeCase{5, 2, EN, u"Switch report rate into 500HZ", u"Info", 5000},
        NoticeCase{5, 4, EN, u"Switch report rate into 250HZ", u"Info", 5000},
        NoticeCase{5, 8, EN, u"Switch report rate into 125HZ", u"Info", 5000},
        NoticeCase{5, 8, CHT, u"報告率切換到125HZ", u"提示", 5000},
        NoticeCase{5, 3, EN, u"", u"", 0},
        NoticeCase{5, 0, EN, u"", u"", 0},
        NoticeCase{7, 1, EN, u"Switch DPI into the first stage 800", u"Info", 5000},
        NoticeCase{7, 2, EN, u"Switch DPI into the second stage 1600", u"Info", 5000},
        NoticeCase{7, 2, CHS, u"DPI切换到第二段1600", u"提示", 5000},
        NoticeCase{7, 4, CHT, u"DPI切換到第四段3200", u"提示", 5000},
        NoticeCase{7, 0, EN, u"", u"", 0},
        NoticeCase{7, 5, EN, u"", u"", 0},
        NoticeCase{8, 1, EN, u"Switch to key matrix 1", u"Info", 5000},
        NoticeCase{8, 2, CHT, u"切換到按鍵群組2", u"提示", 5000},
        NoticeCase{8, 3, EN, u"", u"", 0},
        NoticeCase{8, 4, EN, u"", u"", 0},
        NoticeCase{9, 3, EN, u"Switch to macro key3", u"Info", 5000},
        NoticeCase{9, -12, CHS, u"切换到宏-12", u"提示", 5000},
        NoticeCase{9, 0, EN, u"", u"", 0},
        NoticeCase{14, 0, EN, u"The system detect the gaming mouse.", u"Info", 100},
        NoticeCase{14, 77, CHS, u"系统检测到游戏鼠标。", u"提示", 100},
        NoticeCase{15, 0, EN, u"The system did not detect the gaming mouse!", u"Warning", 100},
        NoticeCase{15, 9, CHT, u"系統沒有檢測到遊戲滑鼠！", u"警告", 100},
        NoticeCase{0, 1, EN, u"", u"", 0},
        NoticeCase{6, 1, EN, u"", u"", 0},
        NoticeCase{16, 0, EN, u"The mouse is here, but your changes are not on it yet: press Apply to send them.",
                   u"Info", 5000},
        NoticeCase{17, 0, CHT, u"上次寫入滑鼠沒有完成。頁面顯示您選擇的設定：請按一次應用完成寫入。", u"警告", 5000},
        NoticeCase{18, 1, EN, u"", u"", 0},
        NoticeCase{(1ull << 32) + 15, 0, EN, u"", u"", 0}),
    [](const testing::TestParamInfo<NoticeCase>& param) {
      const NoticeCase& c = param.param;
      return "Kind" + std::to_string(c.kind) + "Value" + (c.value < 0 ? "Minus" : "") +
             std::to_string(c.value < 0 ? -c.value : c.value) + "Language" +
             std::to_string(static_cast<int>(c.language)) + "_" + std::to_string(param.index);
    });

TEST(NoticeDpiText, AnEmptyStageTextLeavesTheSlotAlone) {
  const StageDpiTexts none{};
  const auto notice = NoticeFor(kNoticeDpiStage, 3, Language::English, none);
  ASSERT_TRUE(notice.has_value());
  EXPECT_EQ(notice->text, u"Switch DPI into the third stage ");
}

}  // namespace
}  // namespace qv
