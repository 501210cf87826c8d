#include "keyassign/selector_dialogs.h"

#include <array>

#include "model/dpi_tables.h"

namespace qv {
namespace {

// Hot-key table order: Ctrl with C, X, V, A, O, N, S, Z.
constexpr std::array<LanguageText, 8> kHotKeys = {{
    {u"Copy", u"复制", u"複製"},
    {u"Cut", u"剪切", u"剪切"},
    {u"Paste", u"粘贴", u"粘貼"},
    {u"Select all", u"全选", u"全選"},
    {u"Open", u"打开", u"打開"},
    {u"New", u"新建", u"新建"},
    {u"Save", u"保存", u"保存"},
    {u"Undo", u"撤销", u"撤銷"},
}};

// The keys each hot key sends, in the same order.
constexpr std::array<std::u16string_view, 8> kHotKeyKeys = {u"Ctrl+C", u"Ctrl+X", u"Ctrl+V", u"Ctrl+A",
                                                            u"Ctrl+O", u"Ctrl+N", u"Ctrl+S", u"Ctrl+Z"};

// Consumer table entries 0..6.
constexpr std::array<LanguageText, 7> kMedia = {{
    {u"Next", u"下一首", u"下一首"},
    {u"Previous", u"上一首", u"上一首"},
    {u"Stop", u"停止", u"停止"},
    {u"Play/Pause", u"播放/暂停", u"播放/暫停"},
    {u"Mute", u"静音", u"靜音"},
    {u"Vol+", u"音量+", u"音量+"},
    {u"Vol-", u"音量-", u"音量-"},
}};

// Consumer table entries 7..15.
constexpr std::array<LanguageText, 9> kWindows = {{
    {u"Multimedia Player", u"打开多媒体播放器", u"打開多媒體播放器"},
    {u"Mail", u"邮件", u"郵件"},
    {u"Calculator", u"计算器", u"計算器"},
    {u"My Computer", u"我的电脑", u"我的電腦"},
    {u"Browser-Search", u"浏览器-搜索", u"瀏覽器-搜索"},
    {u"Browser-Home", u"浏览器-主页", u"瀏覽器-主頁"},
    {u"Browser-Back", u"浏览器-后退", u"瀏覽器-後退"},
    {u"Browser-Forward", u"浏览器-前进", u"瀏覽器-前進"},
    {u"Browser-Refresh", u"浏览器-刷新", u"瀏覽器-刷新"},
}};

namespace hot = layout::hot_key_dialog;
namespace media = layout::media_dialog;
namespace windows = layout::windows_dialog;
namespace snipe = layout::snipe_dialog;

const SelectorDialogKind kHotKeyDialog{
    {712, u"/hot-key.png", u"HotKey Dialog Load background image failed!!!",
     {u"Shortcut key", u"快捷键", u"快速鍵"}},
    565, 566, hot::kDisplay, hot::kSelector, hot::kList, kHotKeys, kHotKeyKeys};
const SelectorDialogKind kMediaDialog{
    {703, u"/media-key.png", u"Media Dialog Load background image failed!!!",
     {u"Multimedia key", u"多媒体键", u"多媒體鍵"}},
    552, 553, media::kDisplay, media::kSelector, media::kList, kMedia};
const SelectorDialogKind kWindowsDialog{
    {702, u"/windows-key.png", u"Windows Dialog Load background image failed!!!",
     {u"Windows function", u"Windows功能", u"Windows功能"}},
    532, 533, windows::kDisplay, windows::kSelector, windows::kList, kWindows};
const SelectorDialogKind kSnipeDialog{
    {711, u"/snipe-key.png", u"Snipe Dialog Load background image failed!!!",
     {u"Snipe DPI", u"狙击DPI", u"狙擊DPI"}},
    563, 564, snipe::kDisplay, snipe::kSelector, snipe::kList, {}, {}, u"DPI",
    {u"One snipe DPI serves every snipe key, in Mode A and in Mode B.",
     u"所有狙击键（模式A和模式B）共用一个狙击DPI。", u"所有狙擊鍵（模式A和模式B）共用一個狙擊DPI。"},
    snipe::kNote};

}  // namespace

const SelectorDialogKind& HotKeyDialog() { return kHotKeyDialog; }
const SelectorDialogKind& MediaDialog() { return kMediaDialog; }
const SelectorDialogKind& WindowsDialog() { return kWindowsDialog; }
const SelectorDialogKind& SnipeDialog() { return kSnipeDialog; }

std::vector<std::u16string> SnipeValues(int dpiSelector) {
  std::vector<std::u16string> values;
  if (dpiSelector < 0 || dpiSelector >= kDpiSelectorCount) return values;
  for (int level = 0; level < DpiLevelCount(dpiSelector); ++level) values.push_back(DpiValueText(dpiSelector, level));
  return values;
}

}  // namespace qv
