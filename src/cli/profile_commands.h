#pragma once
// qv318ctl profile ...: the named profiles of the Profiles folder, the same files the tray
// program uses; apply sends one through the window's Apply pipeline.
#include "cli/commands.h"

namespace qv::cli {

Outcome RunProfileCommand(const Command& command, Environment& environment);

// The actions that read or write the mouse, and so hold the transfer lock.
bool ProfileActionTalks(ProfileAction action);

}  // namespace qv::cli
