#pragma once
// What the frame shared by the skinned sub-dialogs decides: how a dialog ends, its button
// texts, and the message when its background cannot be loaded.
#include <cstdint>
#include <string_view>

#include "ui/language.h"
#include "ui/message_box_text.h"

namespace qv {

enum class DialogEnd { None, Ok, Cancel };

// The frame's identity: dialog template, background image, the caption of its failure and
// the title line drawn over the art, which says what the dialog sets.
struct DialogFrame {
  int templateId;
  std::u16string_view background;
  std::u16string_view errorCaption;
  LanguageText title;
};

// The message the dialog shows before it ends as cancelled: "error" under its caption.
MessageBoxText BackgroundFailure(const DialogFrame& frame);

std::u16string_view OkText(Language language);
std::u16string_view CancelText(Language language);

// A press at a client point on the frame's buttons: OK ends with OK, Cancel and close with
// Cancel (OK wins the column the two share).
DialogEnd FrameButtonAt(int x, int y);

// A key pressed in the dialog (WM_KEYDOWN): Enter is OK, Esc is Cancel.
DialogEnd EndForKey(uint64_t virtualKey);

// How a modal run ended, from its result: only IDOK (1) is OK; the close button, Esc, a
// failed background and a dialog that could not be created all count as Cancel.
DialogEnd EndOfRun(int64_t modalResult);

}  // namespace qv
