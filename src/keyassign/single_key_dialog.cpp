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
constexpr uint32_t kKeyWasDown = 1u << 30;     // a repeat of a key held
constexpr uint32_t kKeyGoingUp = 1u << 31;     // a release

}  // namespace

bool SingleKeyDialogSwallows(uint32_t message, uint64_t wParam) {
  if (message < kFirstKeyMessage || message > kLastKeyMessage) return false;
  return wParam == kLeftWindows || wParam == kRightWindows;
}

std::u16string HookFailureText(unsigned long errorCode) {
  const std::string number = std::to_string(errorCode);
  return u"KeyboardHook_SingleDlgKey Install error code :" + std::u16string(number.begin(), number.end()) + u"\n";
}

const DialogFrame& SingleKeyDialog::Frame() { return kFrame; }

SingleKeyDialog::SingleKeyDialog(Language language, SingleKey current)
    : labels_{{{kPrompt[language], single::kPrompt, TextFormat::Centred, kPromptColour}}}, captured_(std::move(current)) {}

void SingleKeyDialog::InitControls(DialogControls& controls) const {
  controls.CreateCentredDisplay(kDisplayId, single::kKeyDisplay, captured_.name);
}

DialogEnd SingleKeyDialog::OnSkinnedClick(int x, int y) {
  if (single::kKeyDisplay.Contains(x, y)) awaiting_ = true;
  return FrameButtonAt(x, y);
}

bool SingleKeyDialog::OnKeyCaptured(std::u16string_view systemName, uint32_t lParam, DialogControls& controls) {
  if (!awaiting_ || (lParam & (kKeyWasDown | kKeyGoingUp)) != 0) return false;
  awaiting_ = false;
  captured_ = SingleKey{std::u16string(systemName), KeystrokeUsage(systemName, lParam)};
  controls.SetText(kDisplayId, captured_.name);
  return true;
}

std::optional<SingleKey> SingleKeyDialog::Result(DialogEnd end) const {
  if (end != DialogEnd::Ok) return std::nullopt;
  return captured_;
}

}  // namespace qv
