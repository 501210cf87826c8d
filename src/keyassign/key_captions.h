#pragma once
// The name a key box shows for the function its key holds. A stored name is kept only while
// it still names that function in the language shown: a language change, a mouse read or a
// Cancel may have left names of another language or of another function.
#include <string>

#include "ui/page_session.h"

namespace qv {

// The name an assignment of the key's function gives it, in `language`; a single key is
// named from its keyboard usage.
std::u16string KeyCaption(const UiRecord& record, KeyMode mode, int key, Language language, int dpiSelector);

// Once per run, on a first run, every name becomes its default; then every offered key of
// both modes whose stored name does not name its function takes its caption. Answers true
// when the defaults were taken, which the settings file must then receive.
bool SettleKeyNames(Page& page);

}  // namespace qv
