#pragma once
// The real pause and debug trace behind the core's platform interfaces.
#include "common/platform.h"

namespace qv::win {

class SleepPause final : public Pause {
 public:
  void Sleep(uint32_t milliseconds) override;
};

// Diagnostics to the debugger (OutputDebugStringW); invisible to the user.
class OutputDebugTrace final : public DebugTrace {
 public:
  void Write(std::u16string_view text) override;
};

}  // namespace qv::win
