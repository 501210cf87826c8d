#pragma once
// The command line of qv318ctl, parsed into one command or the sentence saying what is
// wrong with it.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace qv::cli {

enum class Verb { Help, Version, List, Dump, Backup, Restore, Apply, Set, Profile };

// `profile ACTION ...`: the named profiles in the Profiles folder.
enum class ProfileAction { List, Save, Apply, Bind, Unbind, Export, Import, Delete };

// One `set`: which field, and its new value in the mouse's terms where the mouse's own
// tables are not needed to know it (a DPI value needs the mouse's DPI table).
struct Change {
  enum class Field { Rate, StageDpi, StageSwitch, StageColour, Light };
  Field field = Field::Rate;
  uint8_t rateCode = 0;
  int stage = 0;                       // 1..4
  int dpi = 0;                         // StageDpi: the value asked for
  bool on = false;                     // StageSwitch
  std::array<uint8_t, 3> colour{};     // StageColour: red, green, blue
  uint8_t lightMode = 0;               // Light: 0 Off, 1 Standard, 2 Neon
  uint8_t lightParameter = 0;          // brightness index 0..9 or Neon period index 0..29
  std::optional<uint8_t> neonEffect;   // 1 RGB Effect, 2 RGB Flash; none keeps the mouse's
};

struct Command {
  Verb verb = Verb::Help;
  bool json = false;
  std::string file;                // backup, restore, apply
  std::optional<std::string> sim;  // --sim FILE
  Change change;
  ProfileAction profileAction = ProfileAction::List;
  std::string profileName;             // may be empty for import (the file's own name)
  std::string program;                 // bind, unbind: a file name or a full path
  std::optional<std::string> folder;   // --folder DIR instead of the usual Profiles folder
};

std::variant<Command, std::string> ParseArguments(std::span<const std::string> args);

// The text of --help, with the exit codes.
std::string HelpText();

// The line of --version: "qv318ctl" and the project's version.
std::string VersionText();

}  // namespace qv::cli
