#pragma once
// What the tray says after OK or Apply. The failures already have their one message (the
// missing-mouse box of the pipeline), so only a success adds a balloon.
#include <optional>

#include "app/notices.h"

namespace qv {

std::optional<Notice> ApplyConfirmation(bool mouseTookSettings, Language language);

}  // namespace qv
