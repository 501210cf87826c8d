#pragma once
// The question before the close button ends the program with edits not applied.
#include <windows.h>

#include "app/close_question.h"

namespace qv::win {

// A task dialog with the buttons Apply, Discard and Cancel (Esc and its close button are
// Cancel); where the system has none, a message box whose Yes, No and Cancel say the same.
CloseAnswer AskCloseQuestion(HWND owner, const CloseQuestionTexts& texts);

}  // namespace qv::win
