#include "keyassign/dialog_frame.h"

#include "ui/layout.h"
#include "ui/pre_dispatch.h"

namespace qv {
namespace {

constexpr int64_t kIdOk = 1;

}  // namespace

MessageBoxText BackgroundFailure(const DialogFrame& frame) { return {u"error", frame.errorCaption}; }

std::u16string_view OkText(Language language) { return Text(language, kSlotOk); }
std::u16string_view CancelText(Language language) { return Text(language, kSlotCancel); }

DialogEnd FrameButtonAt(int x, int y) {
  if (layout::dialog::kOk.Contains(x, y)) return DialogEnd::Ok;
  if (layout::dialog::kCancel.Contains(x, y) || layout::dialog::kClose.Contains(x, y)) return DialogEnd::Cancel;
  return DialogEnd::None;
}

DialogEnd EndForKey(uint64_t virtualKey) {
  if (virtualKey == kKeyReturn) return DialogEnd::Ok;
  if (virtualKey == kKeyEscape) return DialogEnd::Cancel;
  return DialogEnd::None;
}

DialogEnd EndOfRun(int64_t modalResult) { return modalResult == kIdOk ? DialogEnd::Ok : DialogEnd::Cancel; }

}  // namespace qv
