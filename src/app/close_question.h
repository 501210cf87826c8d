#pragma once
// Ending the program from the window's close button with edits not yet applied: the
// question asked first, and what each answer does. With nothing to lose it ends at once.
#include <string_view>

#include "model/app_state.h"
#include "ui/language.h"

namespace qv {

// The page's record differs from what the last OK or Apply (or the start) left.
bool HasUnappliedEdits(const AppState& state);

enum class CloseAnswer { Apply, Discard, Cancel };

struct CloseQuestionTexts {
  std::u16string_view caption;
  std::u16string_view text;
  std::u16string_view apply;
  std::u16string_view discard;
  std::u16string_view cancel;
  std::u16string_view yesNoHint;  // under the text where only Yes, No and Cancel can be shown
};
CloseQuestionTexts CloseQuestion(Language language);

}  // namespace qv
