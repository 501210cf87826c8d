#include "app/profile_texts.h"

#include <array>

#include "common/text.h"

namespace qv {
namespace {

constexpr std::array<LanguageText, 37> kTexts = {{
    {u"Profiles", u"配置文件", u"設定檔"},
    {u"Save current setup as...", u"将当前设置另存为...", u"將目前設定另存為..."},
    {u"Manage profiles...", u"管理配置文件...", u"管理設定檔..."},
    {u"Switch automatically", u"自动切换", u"自動切換"},
    {u"(no profiles yet)", u"（尚无配置文件）", u"（尚無設定檔）"},
    {u"Save profile", u"保存配置文件", u"儲存設定檔"},
    {u"Name of the profile:", u"配置文件名称：", u"設定檔名稱："},
    {u"A profile named \"%s\" exists already. Replace it with the current setup?",
     u"已有名为“%s”的配置文件。用当前设置替换它吗？", u"已有名為「%s」的設定檔。以目前設定取代它嗎？"},
    {u"The mouse now holds the profile \"%s\".", u"鼠标现在使用配置文件“%s”。", u"滑鼠現在使用設定檔「%s」。"},
    {u"Saved the current setup as the profile \"%s\". The mouse was not written.",
     u"已将当前设置保存为配置文件“%s”。未写入鼠标。", u"已將目前設定儲存為設定檔「%s」。未寫入滑鼠。"},
    {u"The profile \"%s\" cannot be used, so the mouse was not changed:", u"配置文件“%s”无法使用，鼠标未被更改：",
     u"設定檔「%s」無法使用，滑鼠未被更改："},
    {u"The profile \"%s\" could not be put on the mouse automatically. It will be sent when the mouse answers again.",
     u"无法自动将配置文件“%s”写入鼠标。鼠标再次响应时将重新发送。", u"無法自動將設定檔「%s」寫入滑鼠。滑鼠再次回應時將重新傳送。"},
    {u"Manage profiles", u"管理配置文件", u"管理設定檔"},
    {u"Profiles:", u"配置文件：", u"設定檔："},
    {u"Programs:", u"绑定的程序：", u"綁定的程式："},
    {u"Hot key, next profile:", u"热键（下一个配置文件）：", u"快速鍵（下個設定檔）："},
    {u"Rename...", u"重命名...", u"重新命名..."},
    {u"Duplicate...", u"复制...", u"複製..."},
    {u"Delete...", u"删除...", u"刪除..."},
    {u"Import...", u"导入...", u"匯入..."},
    {u"Export...", u"导出...", u"匯出..."},
    {u"Make default", u"设为默认", u"設為預設"},
    {u"Running program...", u"运行中的程序...", u"執行中的程式..."},
    {u"Browse...", u"浏览...", u"瀏覽..."},
    {u"Unbind", u"解除绑定", u"解除綁定"},
    {u"Match the full path", u"匹配完整路径", u"比對完整路徑"},
    {u"Delete the profile \"%s\"?", u"删除配置文件“%s”吗？", u"刪除設定檔「%s」嗎？"},
    {u"%s (default)", u"%s（默认）", u"%s（預設）"},
    {u"Programs (*.exe)", u"程序 (*.exe)", u"程式 (*.exe)"},
    {u"Profiles (*.qvprofile)", u"配置文件 (*.qvprofile)", u"設定檔 (*.qvprofile)"},
    {u"Rename profile", u"重命名配置文件", u"重新命名設定檔"},
    {u"Duplicate profile", u"复制配置文件", u"複製設定檔"},
    {u"None", u"无", u"無"},
    {u"Ctrl or Alt with a key, or an F key. Backspace: none.", u"Ctrl 或 Alt 加一个键，或 F 键。Backspace：无。",
     u"Ctrl 或 Alt 加一個鍵，或 F 鍵。Backspace：無。"},
    {u"Programs", u"绑定的程序", u"綁定的程式"},
    {u"Profiles", u"配置文件", u"設定檔"},
    {u"Hot key", u"热键", u"快速鍵"},
}};
static_assert(kTexts.size() == static_cast<size_t>(ProfileText::HotKeyName) + 1);

}  // namespace

const LanguageText& ProfileLanguageText(ProfileText text) { return kTexts[static_cast<size_t>(text)]; }

std::u16string ProfileWords(ProfileText text, Language language, std::u16string_view name) {
  std::u16string words(kTexts[static_cast<size_t>(text)][language]);
  ReplaceAll(words, u"%s", name);
  return words;
}

std::u16string TrayTip(std::u16string_view profileOnMouse) {
  std::u16string tip = u"Gaming Mouse Setting";
  if (!profileOnMouse.empty()) tip += u" - " + std::u16string(profileOnMouse);
  return tip;
}

}  // namespace qv
