#include "ui/page_tips.h"

#include <algorithm>
#include <span>

namespace qv {
namespace {

using layout::Rect;

// The smallest rectangle holding a row of controls that share one tip.
constexpr Rect Span(std::span<const Rect> rects) {
  Rect all = rects.front();
  for (const Rect& r : rects) {
    all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
           std::max(all.bottom, r.bottom)};
  }
  return all;
}

constexpr Rect kRateBar{layout::kRateSegments[0].left, layout::kRateSegments[0].top,
                        layout::kRateSegments[layout::kRateSegmentCount - 1].right, layout::RateValueText(0).bottom};
constexpr Rect kDpiColumns{layout::DpiCell(1, layout::kDpiMaxLevels).left, layout::DpiCell(1, layout::kDpiMaxLevels).top,
                           layout::DpiCell(layout::kDpiStageCount, 1).right, layout::DpiCell(1, 1).bottom};

struct TipEntry {
  Rect rect;
  LanguageText text;
};

constexpr LanguageText kKeyBoxTip{
    u"Click to choose what this button of the mouse does in the mode shown.",
    u"单击选择鼠标这个按键在当前模式下的功能。",
    u"按一下選擇滑鼠這個按鍵在目前模式下的功能。"};

const TipEntry kTips[] = {
    {layout::kSkinsButton,
     {u"Skins: the look of the window and the colour of its texts.", u"皮肤：窗口的外观和文字颜色。",
      u"外觀：視窗的樣式和文字顏色。"}},
    {layout::kHideButton,
     {u"Hide the window; the program stays in the tray.", u"隐藏窗口，程序仍在托盘中运行。",
      u"隱藏視窗，程式仍在系統匣中執行。"}},
    {layout::kCloseButton, {u"Close the program.", u"关闭程序。", u"關閉程式。"}},
    {layout::kModeAButton,
     {u"Show Mode A, the first set of button functions. A button set to Shift switches the mouse between A and B.",
      u"显示模式A，第一组按键功能。设为Shift的按键让鼠标在A与B之间切换。",
      u"顯示模式A，第一組按鍵功能。設為Shift的按鍵讓滑鼠在A與B之間切換。"}},
    {layout::kModeBButton,
     {u"Show Mode B, the second set of button functions. A button set to Shift switches the mouse between A and B.",
      u"显示模式B，第二组按键功能。设为Shift的按键让鼠标在A与B之间切换。",
      u"顯示模式B，第二組按鍵功能。設為Shift的按鍵讓滑鼠在A與B之間切換。"}},
    {layout::kDefaultButton,
     {u"Put the factory functions back on the buttons of both modes.", u"把两个模式的按键恢复为出厂功能。",
      u"把兩個模式的按鍵恢復為出廠功能。"}},
    {kRateBar,
     {u"Report rate: how often the mouse reports to the computer each second.",
      u"报告率：鼠标每秒向电脑报告的次数。", u"報告率：滑鼠每秒向電腦報告的次數。"}},
    {kDpiColumns,
     {u"DPI stages: click a cell to set the stage's DPI. The mouse's DPI keys step through the stages that are on.",
      u"DPI段：单击格子设定该段的DPI。鼠标的DPI键在已开启的段之间切换。",
      u"DPI段：按一下格子設定該段的DPI。滑鼠的DPI鍵在已開啟的段之間切換。"}},
    {Span(layout::kDpiSwatches),
     {u"Click a square to choose the colour its stage lights in.", u"单击色块选择该段的灯光颜色。",
      u"按一下色塊選擇該段的燈光顏色。"}},
    {Span(layout::kDpiStageBoxes),
     {u"Switch a stage on or off; one stage always stays on.", u"开启或关闭一段，至少保留一段开启。",
      u"開啟或關閉一段，至少保留一段開啟。"}},
    {layout::kLedBoxes[0],
     {u"Lighting mode: Off, Standard or Neon.", u"灯光模式：关闭、标准或霓虹。", u"燈光模式：關閉、標準或霓虹。"}},
    {layout::kLedBoxes[1],
     {u"Parameter: the brightness in Standard, the length of one colour cycle in Neon.",
      u"参数：标准模式下为亮度，霓虹模式下为一次颜色循环的时间。",
      u"參數：標準模式下為亮度，霓虹模式下為一次顏色循環的時間。"}},
    {layout::kLedBoxes[2],
     {u"Effect: how Neon shows its colours.", u"效果：霓虹模式显示颜色的方式。", u"效果：霓虹模式顯示顏色的方式。"}},
    {layout::kWebAddress, {u"Open the user's guide.", u"打开使用指南。", u"開啟使用指南。"}},
    {layout::kOkButton,
     {u"Send the settings to the mouse, save them and hide the window.", u"把设置写入鼠标并保存，然后隐藏窗口。",
      u"把設定寫入滑鼠並儲存，然後隱藏視窗。"}},
    {layout::kApplyButton,
     {u"Send the settings to the mouse and save them; the window stays.", u"把设置写入鼠标并保存，窗口保留。",
      u"把設定寫入滑鼠並儲存，視窗保留。"}},
    {layout::kCancelButton,
     {u"Forget the changes since the last OK or Apply and hide the window.", u"放弃上次确定或应用之后的修改并隐藏窗口。",
      u"放棄上次確定或應用之後的修改並隱藏視窗。"}},
};

}  // namespace

std::vector<PageTip> PageTips(Language language) {
  std::vector<PageTip> tips;
  for (int key = 0; key < layout::kShownKeyCount; ++key) tips.push_back({layout::kKeyBoxes[key], kKeyBoxTip[language]});
  for (const TipEntry& tip : kTips) tips.push_back({tip.rect, tip.text[language]});
  return tips;
}

}  // namespace qv
