#include "keyassign/single_key_dialog.h"

#include <string>

#include "keyassign/key_codes.h"
#include "ui/layout.h"
#include "ui/pre_dispatch.h"

namespace qv {
namespace {

namespace single = layout::single_key_dialog;

const DialogFrame kFrame{701, u"/single-key.png", u"Single Key Dialog Load background image failed!!!",
                         {u"Single keyboard key", u"单个键盘按键", u"單個鍵盤按鍵"}};

constexpr LanguageText kPrompt{u"Please enter a key", u"请输入一个按键", u"請輸入一個按鍵"};
constexpr Rgb kPromptColour{0xFF, 0xFF, 0xFF};

constexpr uint32_t kFirstKeyMessage = 0x0100;  // WM_KEYFIRST
constexpr uint32_t kLastKeyMessage = 0x0109;   // WM_KEYLAST
constexpr uint64_t kLeftWindows = 0x5B;        // VK_LWIN
constexpr uint64_t kRightWindows = 0x5C;       // VK_RWIN

}  // namespace

bool SingleKeyDialogSwallows(uint32_t message, uint64_t wParam) {
  if (message < kFirstKeyMessage || message > kLastKeyMessage) return false;
  if (wParam == kLeftWindows || wParam == kRightWindows) return true;
  return message == kMessageKeyDown && (wParam == kKeyReturn || wParam == kKeyEscape);
}

std::u16string HookFailureText(unsigned long errorCode) {
  const std::string number = std::to_string(errorCode);
  return u"KeyboardHook_SingleDlgKey Install error code :" + std::u16string(number.begin(), number.end()) + u"\n";
}

const DialogFrame& SingleKeyDialog::Frame() { return kFrame; }

SingleKeyDialog::SingleKeyDialog(Language language)
    : labels_{{{kPrompt[language], single::kPrompt, TextFormat::Centred, kPromptColour}}} {}

void SingleKeyDialog::InitControls(DialogControls& controls) const {
  controls.CreateCentredDisplay(kDisplayId, single::kKeyDisplay, captured_.name);
}

void SingleKeyDialog::OnKeyCaptured(std::u16string_view systemName, uint32_t lParam, DialogControls& controls) {
  captured_ = SingleKey{std::u16string(systemName), KeystrokeUsage(systemName, lParam)};
  controls.SetText(kDisplayId, captured_.name);
}

std::optional<SingleKey> SingleKeyDialog::Result(DialogEnd end) const {
  if (end != DialogEnd::Ok) return std::nullopt;
  return captured_;
}

}  // namespace qv
