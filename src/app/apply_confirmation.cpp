#include "app/apply_confirmation.h"

namespace qv {
namespace {

constexpr LanguageText kTaken{u"The mouse has taken your settings.", u"鼠标已接受您的设置。", u"滑鼠已接受您的設定。"};
constexpr uint32_t kTimeoutMs = 5000;

}  // namespace

std::optional<Notice> ApplyConfirmation(bool mouseTookSettings, Language language) {
  if (!mouseTookSettings) return std::nullopt;
  return Notice{std::u16string(kTaken[language]), kInfoCaption[language], kTimeoutMs};
}

}  // namespace qv
