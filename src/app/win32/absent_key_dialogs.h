#pragma once
// The key-function sub-dialogs until Windows has them: each answers as if cancelled, so a
// pick that needs one changes nothing and closes its list.
#include "keyassign/key_dialogs.h"

namespace qv::win {

class AbsentKeyDialogs final : public KeyDialogs {
 public:
  std::optional<Choice> RunWindows() override { return std::nullopt; }
  std::optional<Choice> RunMedia() override { return std::nullopt; }
  std::optional<Choice> RunHotKey() override { return std::nullopt; }
  std::optional<FireChoice> RunFire() override { return std::nullopt; }
  std::optional<std::u16string> RunSingle() override { return std::nullopt; }
  std::optional<Choice> RunSnipe() override { return std::nullopt; }
};

}  // namespace qv::win
