#pragma once
// The tray notices the main window shows on WM_USER+2 (kind in wParam, value in lParam).
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/notice_kinds.h"
#include "ui/language.h"

namespace qv {

struct Notice {
  std::u16string text;
  std::u16string_view title;  // kInfoCaption or kWarningCaption in the notice's language
  uint32_t timeoutMs = 0;
};

// The DPI value text of each stage 1..4, as the caller finds it in the record and the
// DPI table; kind 7 appends it to its slot text.
using StageDpiTexts = std::array<std::u16string, 4>;

// What to show for a notice request; nothing for kinds and values outside the table.
// The value is the message's lParam taken as a C int, as "%d" formats it.
std::optional<Notice> NoticeFor(uint64_t kind, int32_t value, Language language,
                                const StageDpiTexts& stageDpiTexts);

// The message of an Apply that found the mouse held by another program past the wait.
std::u16string_view MouseBusyText(Language language);

}  // namespace qv
