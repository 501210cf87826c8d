#include "profiles/auto_switch.h"

namespace qv {

std::optional<std::u16string> WantedProfile(const ProfileSettings& settings, std::u16string_view imagePath) {
  if (auto bound = ProfileForProgram(settings, imagePath)) return bound;
  if (!settings.defaultProfile.empty()) return settings.defaultProfile;
  return std::nullopt;
}

void AutoSwitch::Foreground(std::u16string_view imagePath, int64_t ms) {
  if (seen_ && imagePath == program_) return;  // the same program's other window: no new wait
  program_ = imagePath;
  since_ = ms;
  seen_ = true;
}

std::optional<std::u16string> AutoSwitch::Due(const ProfileSettings& settings, const Now& now) const {
  if (!seen_ || !settings.switchAutomatically || now.blocked) return std::nullopt;
  if (now.ms - since_ < kSwitchSettleMs) return std::nullopt;
  if (lastWrite_ && now.ms - *lastWrite_ < kSwitchSpacingMs) return std::nullopt;
  auto wanted = WantedProfile(settings, program_);
  if (!wanted || (now.mouseHolds && now.mouseHolds(*wanted))) return std::nullopt;
  const bool retryDue = lastWrite_ && now.ms - *lastWrite_ >= kFailedRetryMs;
  if (awaitingMouse_ && failed_ == wanted && !retryDue) return std::nullopt;
  return wanted;
}

bool AutoSwitch::Written(const std::u16string& profile, bool succeeded, int64_t ms) {
  lastWrite_ = ms;
  if (succeeded) {
    failed_.reset();
    awaitingMouse_ = false;
    return false;
  }
  const bool tell = !failed_.has_value();
  failed_ = profile;
  awaitingMouse_ = true;
  return tell;
}

}  // namespace qv
