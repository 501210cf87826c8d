#pragma once
// Automatic switching: the program in the foreground chooses the profile the mouse should
// hold. The mouse's memory is written only when the choice has held a while, only when
// the mouse does not hold that profile already, and at most once every few seconds.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "profiles/profile_library.h"

namespace qv {

inline constexpr int64_t kSwitchSettleMs = 1500;  // the foreground must stay this long
inline constexpr int64_t kSwitchSpacingMs = 5000;  // between two writes of the mouse
inline constexpr int64_t kFailedRetryMs = 60000;   // a failed profile again, the mouse not seen back

class AutoSwitch {
 public:
  // What the owner knows at a tick.
  struct Now {
    int64_t ms = 0;
    bool blocked = false;  // unapplied edits in the window, or a dialog open
    std::function<bool(const std::u16string&)> mouseHolds;  // the mouse holds that profile
  };

  // A window of the program at `imagePath` (empty when unknown) came to the foreground.
  void Foreground(std::u16string_view imagePath, int64_t ms);
  // The profile to write now, if any; the owner writes it and then calls Written.
  std::optional<std::u16string> Due(const ProfileSettings& settings, const Now& now) const;
  // After a write: answers true when a failure is to be told (once, until a switch succeeds).
  // A profile that failed is tried again once the mouse is back, or a minute later (another
  // program may have held the mouse), not at every tick; another profile wanted goes at once.
  bool Written(const std::u16string& profile, bool succeeded, int64_t ms);
  // The mouse was found and read again (plugged in, or back after a failure).
  void MouseBack() { awaitingMouse_ = false; }

 private:
  std::u16string program_;
  int64_t since_ = 0;
  bool seen_ = false;
  std::optional<int64_t> lastWrite_;
  std::optional<std::u16string> failed_;
  bool awaitingMouse_ = false;
};

// The profile a program in the foreground wants: its binding's, else the default; none
// when neither names a profile.
std::optional<std::u16string> WantedProfile(const ProfileSettings& settings, std::u16string_view imagePath);

}  // namespace qv
