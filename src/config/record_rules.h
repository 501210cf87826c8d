#pragma once
// What the window can put into a record: the one judge of a config.bin handed to the
// command line and of the settings decoded from a mouse's memory. A value outside these
// rules never came from the window (a damaged file, erased or foreign memory), and sending
// it would leave the mouse without a left button, without a DPI stage or with times the
// firmware was never given.
#include <optional>
#include <string>

#include "model/config_image.h"

namespace qv {

// For a record checked before the mouse's DPI table is known: every table's levels count.
inline constexpr int kAnyDpiTable = -1;

// The name of the first field the window could not have produced ("report rate",
// "stage 2 on/off", "Mode A key 3", ...), or nothing when it could have produced them all.
std::optional<std::string> UnproducibleField(const UiRecord& record, int dpiSelector);

// Every group of fields that breaks a rule takes fallback's values for that group.
void KeepProducible(UiRecord& record, const UiRecord& fallback, int dpiSelector);

// KeepProducible with this computer's record, then with the defaults for what even that
// one breaks: the result is always a record the window could have produced.
void MakeProducible(UiRecord& record, const UiRecord& here, int dpiSelector);

}  // namespace qv
