#include "app/close_question.h"

#include <string>

#include "model/config_image.h"

namespace qv {
namespace {

constexpr LanguageText kCaption{u"Gaming Mouse Setting", u"游戏鼠标设置", u"遊戲滑鼠設定"};
constexpr LanguageText kText{u"Your changes have not been applied to the mouse. Apply them before closing?",
                             u"您的更改尚未应用到鼠标。关闭前是否应用？", u"您的變更尚未應用到滑鼠。關閉前是否應用？"};
constexpr LanguageText kApply{u"Apply", u"应用", u"應用"};  // as the page's button says
constexpr LanguageText kDiscard{u"Discard", u"放弃", u"放棄"};
constexpr LanguageText kCancel{u"Cancel", u"取消", u"取消"};
constexpr LanguageText kYesNoHint{u"Yes: Apply    No: Discard", u"是：应用    否：放弃", u"是：應用    否：放棄"};

}  // namespace

bool HasUnappliedEdits(const AppState& state) {
  // Which mode the page shows is a view, not a setting the user would lose.
  UiRecord shown = state.record;
  shown.bytes[uirec::kShownMode] = state.savedCopy.bytes[uirec::kShownMode];
  return shown != state.savedCopy;
}

CloseQuestionTexts CloseQuestion(Language language) {
  return {kCaption[language], kText[language], kApply[language], kDiscard[language], kCancel[language], kYesNoHint[language]};
}

}  // namespace qv
