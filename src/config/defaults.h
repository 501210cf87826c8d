#pragma once
// The state a fresh installation starts from, and the key defaults the Default button
// restores.
#include "model/config_image.h"

namespace qv {

// Keys 1..8 of both modes: Left Click, Right Click, Mid Click, DPI Switch with DPI Loop,
// then Key Off.
void SetDefaultKeyAssignments(UiRecord& record);

// The record installed as config.bin: 1000 Hz, four enabled rising DPI stages in distinct
// colours, Standard lighting at full brightness, Mode A shown, fire timing 32/32.
UiRecord DefaultRecord();

}  // namespace qv
