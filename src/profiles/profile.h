#pragma once
// A named profile: everything Apply sends to the mouse plus what the page shows with it
// (the key names), kept as a small text file a player can read, share and diff. A file
// that is damaged in any way is refused whole, with the reason, and never applied.
#include <string>
#include <string_view>
#include <variant>

#include "model/config_image.h"
#include "ui/page_session.h"

namespace qv {

inline constexpr int kProfileFormat = 1;
inline constexpr size_t kProfileNameMax = 64;        // characters of a profile's or key's name
inline constexpr size_t kProfileFileMax = 64 * 1024;  // a profile is about 3 KB

struct Profile {
  UiRecord record;  // only the profile's fields (ProfileFieldsEqual) mean anything
  KeyNames names;   // keys 1..4 of both modes
};

// The profile's fields of a record and its key names.
Profile ProfileOf(const UiRecord& record, const KeyNames& names);

// The profile's fields and key names written over the record and names; the record's
// other bytes (keys 5..8, the shown mode) stay.
void OverlayProfile(const Profile& profile, UiRecord& record, KeyNames& names);

// True when the record holds every field of the profile (names aside): the mouse holding
// that record holds the profile.
bool ProfileFieldsEqual(const Profile& profile, const UiRecord& record);

// True when Apply would send the mouse the same settings for the profile as for the record:
// the fields the mouse never receives (a parameter of a function a key does not have, the
// colour of a stage that is off, the lighting values of another mode) are passed over.
bool SameOnMouse(const Profile& profile, const UiRecord& record);

std::string ProfileFileText(const Profile& profile);

// The profile of a file's text, or the sentence saying what is wrong with it ("line 7:
// stages.2.on must be true or false"). Every field must be there once, in its range.
std::variant<Profile, std::string> ParseProfile(std::string_view text);

}  // namespace qv
