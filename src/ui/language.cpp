#include "ui/language.h"

#include <array>

namespace qv {
namespace {

// Index 0 is slot 1. The English texts of slots 39 to 42 end with a blank that separates
// the DPI value appended to them; the Chinese texts need none.
constexpr std::array<LanguageText, kTextSlotCount> kSlots = {{
    {u"Basic Settings", u"基本设置", u"基本設置"},  // 1
    {u"OK", u"确定", u"確定"},  // 2
    {u"Apply", u"应用", u"應用"},  // 3
    {u"Cancel", u"取消", u"取消"},  // 4
    {u"Default", u"按键恢复", u"按鍵恢復"},  // 5
    {u"Left Click", u"左键", u"左鍵"},  // 6
    {u"Right Click", u"右键", u"右鍵"},  // 7
    {u"Mid Click", u"中键", u"中鍵"},  // 8
    {u"Forward", u"前进方向键", u"前進方向鍵"},  // 9
    {u"Backward", u"后退方向键", u"後退方向鍵"},  // 10
    {u"DPI Switch", u"DPI切换", u"DPI切換"},  // 11
    {u"Shift", u"Shift", u"Shift"},  // 12
    {u"Windows", u"Windows", u"Windows"},  // 13
    {u"Multimedia", u"多媒体", u"多媒體"},  // 14
    {u"HotKey", u"快捷键", u"快速鍵"},  // 15
    {u"Fire Key", u"火力键", u"火力鍵"},  // 16
    {u"Single Key", u"单键", u"單鍵"},  // 17
    {u"Snipe Key", u"狙击", u"狙擊"},  // 18
    {u"Key Off", u"按键关闭", u"按鍵關閉"},  // 19
    {u"Left key must be selected!", u"左键功能必须选择！", u"左鍵功能必須選擇！"},  // 20
    {u"Key Setting", u"按键设置", u"按鍵設置"},  // 21
    {u"Report Rate Setting", u"报告率设置", u"報告率設置"},  // 22
    {u"DPI Setting", u"DPI设置", u"DPI設置"},  // 23
    {u"DPI Effect", u"DPI显示特效", u"DPI顯示特效"},  // 24
    {u"Mode", u"模式", u"模式"},  // 25
    {u"Parameter", u"参数", u"參數"},  // 26
    {u"Effect", u"效果", u"效果"},  // 27
    {u"Off", u"关闭模式", u"關閉模式"},  // 28
    {u"Standard", u"标准模式", u"標準模式"},  // 29
    {u"Neon", u"霓虹模式", u"霓虹模式"},  // 30
    {u"Non-Disolay", u"关闭", u"關閉"},  // 31
    {u"RGB Effect", u"RGB效果", u"RGB效果"},  // 32
    {u"RGB Flash", u"RGB闪烁", u"RGB閃爍"},  // 33
    {u"User's Guide", u"使用指南", u"使用指南"},  // 34: opens the guide beside the program
    {u"Switch report rate into 1000HZ", u"报告率切换到1000HZ", u"報告率切換到1000HZ"},  // 35
    {u"Switch report rate into 500HZ", u"报告率切换到500HZ", u"報告率切換到500HZ"},  // 36
    {u"Switch report rate into 250HZ", u"报告率切换到250HZ", u"報告率切換到250HZ"},  // 37
    {u"Switch report rate into 125HZ", u"报告率切换到125HZ", u"報告率切換到125HZ"},  // 38
    {u"Switch DPI into the first stage ", u"DPI切换到第一段", u"DPI切換到第一段"},  // 39
    {u"Switch DPI into the second stage ", u"DPI切换到第二段", u"DPI切換到第二段"},  // 40
    {u"Switch DPI into the third stage ", u"DPI切换到第三段", u"DPI切換到第三段"},  // 41
    {u"Switch DPI into the fourth stage ", u"DPI切换到第四段", u"DPI切換到第四段"},  // 42
    {u"Switch to key matrix 1", u"切换到按键组1", u"切換到按鍵群組1"},  // 43
    {u"Switch to key matrix 2", u"切换到按键组2", u"切換到按鍵群組2"},  // 44
    {u"Switch to macro key", u"切换到宏", u"切換到巨集"},  // 45
    {u"Exit", u"退出", u"退出"},  // 46
    {u"The system did not detect the gaming mouse!", u"系统没有检测到游戏鼠标！", u"系統沒有檢測到遊戲滑鼠！"},  // 47
    {u"The system detect the gaming mouse.", u"系统检测到游戏鼠标。", u"系統檢測到遊戲滑鼠。"},  // 48
    {u"Setting-EN", u"Setting-CHS", u"Setting-CHT"},  // 49
}};

}  // namespace

Language LanguageFromCode(std::u16string_view code) {
  if (code == u"CHS") return Language::SimplifiedChinese;
  if (code == u"CHT") return Language::TraditionalChinese;
  return Language::English;
}

std::u16string_view Text(Language language, int slot) {
  if (slot < 1 || slot > kTextSlotCount) return {};
  return kSlots[static_cast<size_t>(slot - 1)][language];
}

}  // namespace qv
