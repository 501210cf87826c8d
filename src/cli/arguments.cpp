#include "cli/arguments.h"

#include <charconv>
#include <vector>

#include "common/text.h"
#include "model/config_image.h"
#include "ui/led_texts.h"

namespace qv::cli {
namespace {

using Args = std::vector<std::string>;
using Parsed = std::variant<Command, std::string>;

struct RateName {
  int hz;
  uint8_t code;
};
constexpr RateName kRateNames[] = {{125, kRate125Hz}, {250, kRate250Hz}, {500, kRate500Hz}, {1000, kRate1000Hz}};

std::optional<int> Number(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::array<uint8_t, 3>> Colour(std::string text) {
  if (!text.empty() && text[0] == '#') text.erase(0, 1);
  if (text.size() != 6) return std::nullopt;
  std::array<uint8_t, 3> rgb{};
  for (size_t i = 0; i < rgb.size(); ++i) {
    const char* first = text.data() + 2 * i;
    const auto [end, error] = std::from_chars(first, first + 2, rgb[i], 16);
    if (error != std::errc() || end != first + 2) return std::nullopt;
  }
  return rgb;
}

// The index of `text` among the page's own value texts ("55%", "2.5S"), the unit optional.
template <typename TextOf>
std::optional<uint8_t> IndexOfText(std::string text, const char* unit, int count, TextOf textOf) {
  if (text.empty() || text.back() != unit[0]) text += unit;
  for (int i = 0; i < count; ++i) {
    if (ToUtf8(textOf(static_cast<uint8_t>(i))) == text) return static_cast<uint8_t>(i);
  }
  return std::nullopt;
}

Parsed Fail(std::string sentence) { return sentence; }

// "set stage 2": the first `count` words, to name the part of a command a sentence is about.
std::string Phrase(const Args& words, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && i < words.size(); ++i) text += (i == 0 ? "" : " ") + words[i];
  return text;
}

// words[index] is a word more than the command takes.
std::string Unexpected(const Args& words, size_t index) {
  return "unexpected \"" + words[index] + "\" after \"" + Phrase(words, index) + "\".";
}

// Why the value `wanted` at words[index] is not the command's last word: missing, or
// followed by more. Nothing when it is there and last.
std::optional<std::string> NotLast(const Args& words, size_t index, const std::string& wanted) {
  if (words.size() <= index) return Phrase(words, index) + " needs " + wanted + ".";
  if (words.size() > index + 1) return Unexpected(words, index + 1);
  return std::nullopt;
}

// words[index] is there but is not the value `wanted`.
Parsed Wrong(const Args& words, size_t index, const std::string& wanted) {
  return Fail(Phrase(words, index) + " takes " + wanted + ", not \"" + words[index] + "\".");
}

constexpr char kRates[] = "125, 250, 500 or 1000 (Hz)";
constexpr char kStageWhat[] = "\"dpi VALUE\", \"on\", \"off\" or \"colour RRGGBB\"";
constexpr char kStageNumber[] = "a stage number from 1 to 4";
constexpr char kDpiValue[] = "a value of the mouse's DPI table, such as 2000";
constexpr char kColourValue[] = "a colour as RRGGBB, such as FF8000";
constexpr char kLightModes[] = "\"off\", \"standard PERCENT\" or \"neon SECONDS [effect|flash]\"";
constexpr char kBrightness[] = "a brightness of 5, 15, 25, ... 85 or 100 (%)";
constexpr char kNeonPeriod[] = "a period of 0.5 to 15 seconds in steps of 0.5";
constexpr char kNeonEffect[] = "\"effect\" or \"flash\"";

// words: set rate HZ
Parsed SetRate(Command command, const Args& words) {
  if (const auto unfit = NotLast(words, 2, kRates)) return Fail(*unfit);
  for (const RateName& rate : kRateNames) {
    if (Number(words[2]) != rate.hz) continue;
    command.change.field = Change::Field::Rate;
    command.change.rateCode = rate.code;
    return command;
  }
  return Wrong(words, 2, kRates);
}

// words: set stage N dpi VALUE | on | off | colour RRGGBB
Parsed SetStage(Command command, const Args& words) {
  if (words.size() <= 2) return Fail("set stage needs " + std::string(kStageNumber) + ".");
  const std::optional<int> stage = Number(words[2]);
  if (!stage || *stage < 1 || *stage > kStageCount) return Wrong(words, 2, kStageNumber);
  if (words.size() <= 3) return Fail(Phrase(words, 3) + " needs what to set: " + kStageWhat + ".");
  Change& change = command.change;
  change.stage = *stage;
  const std::string& what = words[3];
  if (what == "on" || what == "off") {
    if (words.size() > 4) return Fail(Unexpected(words, 4));
    change.field = Change::Field::StageSwitch;
    change.on = what == "on";
    return command;
  }
  if (what == "dpi") {
    if (const auto unfit = NotLast(words, 4, kDpiValue)) return Fail(*unfit);
    const std::optional<int> dpi = Number(words[4]);
    if (!dpi || *dpi <= 0) return Wrong(words, 4, kDpiValue);
    change.field = Change::Field::StageDpi;
    change.dpi = *dpi;
    return command;
  }
  if (what == "colour" || what == "color") {
    if (const auto unfit = NotLast(words, 4, kColourValue)) return Fail(*unfit);
    const auto colour = Colour(words[4]);
    if (!colour) return Wrong(words, 4, kColourValue);
    change.field = Change::Field::StageColour;
    change.colour = *colour;
    return command;
  }
  return Wrong(words, 3, kStageWhat);
}

// words: set light neon SECONDS [effect|flash]
Parsed SetNeon(Command command, const Args& words) {
  Change& change = command.change;
  if (words.size() <= 3) return Fail(Phrase(words, 3) + " needs " + kNeonPeriod + ".");
  std::string period = words[3];
  if (!period.empty() && period.back() == 's') period.back() = 'S';
  const auto index = IndexOfText(period, "S", kNeonSpeedCount, NeonSpeedText);
  if (!index) return Wrong(words, 3, kNeonPeriod);
  change.lightMode = kLightNeon;
  change.lightParameter = *index;
  if (words.size() == 4) return command;
  if (const auto unfit = NotLast(words, 4, kNeonEffect)) return Fail(*unfit);
  if (words[4] != "effect" && words[4] != "flash") return Wrong(words, 4, kNeonEffect);
  change.neonEffect = words[4] == "effect" ? kNeonRgbEffect : kNeonRgbFlash;
  return command;
}

// words: set light off | standard PERCENT | neon SECONDS [effect|flash]
Parsed SetLight(Command command, const Args& words) {
  Change& change = command.change;
  change.field = Change::Field::Light;
  if (words.size() <= 2) return Fail("set light needs " + std::string(kLightModes) + ".");
  const std::string& mode = words[2];
  if (mode == "off") {
    if (words.size() > 3) return Fail(Unexpected(words, 3));
    change.lightMode = kLightOff;
    return command;
  }
  if (mode == "standard") {
    if (const auto unfit = NotLast(words, 3, kBrightness)) return Fail(*unfit);
    const auto index = IndexOfText(words[3], "%", kBrightnessCount, BrightnessText);
    if (!index) return Wrong(words, 3, kBrightness);
    change.lightMode = kLightStandard;
    change.lightParameter = *index;
    return command;
  }
  if (mode == "neon") return SetNeon(command, words);
  return Wrong(words, 2, kLightModes);
}

// words: set FIELD ...
Parsed ParseSet(Command command, const Args& words) {
  constexpr char kFields[] = "a field: rate, stage or light";
  if (words.size() <= 1) return Fail("set needs " + std::string(kFields) + ".");
  if (words[1] == "rate") return SetRate(command, words);
  if (words[1] == "stage") return SetStage(command, words);
  if (words[1] == "light") return SetLight(command, words);
  return Wrong(words, 1, kFields);
}

struct ProfileVerb {
  const char* name;
  ProfileAction action;
  const char* operands;  // what follows, for the sentences: "NAME PROGRAM"
  size_t required;
  size_t optional;
};
constexpr ProfileVerb kProfileVerbs[] = {
    {"list", ProfileAction::List, "", 0, 0},
    {"save", ProfileAction::Save, "a profile name", 1, 0},
    {"apply", ProfileAction::Apply, "a profile name", 1, 0},
    {"bind", ProfileAction::Bind, "a profile name and a program (game.exe or its full path)", 2, 0},
    {"unbind", ProfileAction::Unbind, "a profile name and a program (game.exe or its full path)", 2, 0},
    {"export", ProfileAction::Export, "a profile name and a file name", 2, 0},
    {"import", ProfileAction::Import, "a file name (and a profile name)", 1, 1},
    {"delete", ProfileAction::Delete, "a profile name", 1, 0},
};

// words: profile ACTION ...
Parsed ParseProfile(Command command, const Args& words) {
  constexpr char kActions[] = "list, save, apply, bind, unbind, export, import or delete";
  if (words.size() <= 1) return Fail("profile needs an action: " + std::string(kActions) + ".");
  for (const ProfileVerb& verb : kProfileVerbs) {
    if (words[1] != verb.name) continue;
    const size_t given = words.size() - 2;
    if (given < verb.required) return Fail(Phrase(words, 2) + " needs " + verb.operands + ".");
    if (given > verb.required + verb.optional) return Fail(Unexpected(words, 2 + verb.required + verb.optional));
    command.profileAction = verb.action;
    const bool fileFirst = verb.action == ProfileAction::Import;
    if (given >= 1) (fileFirst ? command.file : command.profileName) = words[2];
    if (given >= 2) {
      if (verb.action == ProfileAction::Export) command.file = words[3];
      else if (fileFirst) command.profileName = words[3];
      else command.program = words[3];
    }
    return command;
  }
  return Wrong(words, 1, kActions);
}

// "--jsn", "-v"; a lone "-" and negative numbers are words.
bool IsOption(const std::string& word) {
  return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
}

struct VerbName {
  const char* name;
  Verb verb;
  bool takesFile;
};
constexpr VerbName kVerbs[] = {
    {"list", Verb::List, false},    {"dump", Verb::Dump, false},   {"backup", Verb::Backup, true},
    {"restore", Verb::Restore, true}, {"apply", Verb::Apply, true}, {"set", Verb::Set, false},
    {"profile", Verb::Profile, false},
};

Parsed ParseVerb(Command command, const VerbName& verb, const Args& words) {
  command.verb = verb.verb;
  if (command.json && verb.verb != Verb::Dump) return Fail("--json goes only with dump.");
  if (command.folder && verb.verb != Verb::Profile) return Fail("--folder goes only with profile.");
  if (verb.verb == Verb::Set) return ParseSet(command, words);
  if (verb.verb == Verb::Profile) return ParseProfile(command, words);
  if (!verb.takesFile) {
    if (words.size() > 1) return Fail(Unexpected(words, 1));
    return command;
  }
  if (const auto unfit = NotLast(words, 1, "a file name")) return Fail(*unfit);
  command.file = words[1];
  return command;
}

}  // namespace

std::variant<Command, std::string> ParseArguments(std::span<const std::string> args) {
  Command command;
  Args words;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool helpWord = args[i] == "help" && words.empty();  // "backup help" names a file
    if (args[i] == "--help" || args[i] == "-h" || helpWord) return command;  // Verb::Help
    if (args[i] == "--version") {
      command.verb = Verb::Version;
      return command;
    }
    if (args[i] == "--json") {
      command.json = true;
    } else if (args[i] == "--sim") {
      if (++i == args.size() || args[i].empty() || IsOption(args[i])) {
        return Fail("--sim needs the simulated mouse's memory file.");
      }
      command.sim = args[i];
    } else if (args[i] == "--folder") {
      if (++i == args.size() || args[i].empty() || IsOption(args[i])) return Fail("--folder needs a folder.");
      command.folder = args[i];
    } else if (IsOption(args[i])) {
      return Fail("unknown option \"" + args[i] + "\"; see qv318ctl --help.");
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) return Fail("no command given; see qv318ctl --help.");
  for (const VerbName& verb : kVerbs) {
    if (words[0] == verb.name) return ParseVerb(command, verb, words);
  }
  return Fail("unknown command \"" + words[0] + "\"; see qv318ctl --help.");
}

std::string VersionText() { return std::string("qv318ctl ") + QV_VERSION + "\n"; }

std::string HelpText() {
  return R"(Usage: qv318ctl [--sim FILE] COMMAND [ARGUMENTS]

Configures the QV318 gaming mouse (USB 04D9:A09E) from a terminal.

Commands:
  list                        the mice found, the path of each collection and whether
                              both configuration collections were opened
  dump [--json]               the whole configuration, readable (or as JSON)
  backup FILE                 the mouse's 322-byte memory into FILE
  restore FILE                a backup made by "backup" back into the mouse
  apply CONFIG.BIN            a config.bin saved by QV318_Driver, sent as its Apply does
  set rate HZ                 report rate: 125, 250, 500 or 1000
  set stage N dpi VALUE       DPI of stage N (1..4), a value of the mouse's DPI table
  set stage N on|off          switch stage N on or off (a stage switched on is white;
                              the last stage on cannot be switched off)
  set stage N colour RRGGBB   colour of stage N, which must be on
  set light off
  set light standard PERCENT  brightness 5, 15, 25, ... 85 or 100
  set light neon SECONDS [effect|flash]   period 0.5 to 15 in steps of 0.5
  profile list                the profiles, the default and the programs bound to each
  profile save NAME           what the mouse holds, as the profile NAME (the mouse is
                              not written)
  profile apply NAME          sends the profile NAME to the mouse, as Apply does
  profile bind NAME PROGRAM   NAME goes to the mouse when PROGRAM (game.exe, or its
                              full path) comes to the front; unbind undoes it
  profile unbind NAME PROGRAM
  profile export NAME FILE    a copy of the profile NAME in FILE, to share
  profile import FILE [NAME]  a profile file, checked whole, as NAME (or its own name)
  profile delete NAME

Options:
  --sim FILE   use the simulated mouse whose memory is FILE, where writes are saved; a
               missing FILE starts from the default memory, an existing one must be the
               322 bytes of a memory and is otherwise refused
  --folder DIR the profiles in DIR instead of the Profiles folder (beside
               qv318ctl.exe on Windows, ~/.config/qv318/Profiles on Linux)
  --help       this text
  --version    the program's version

Every command that writes reads the whole configuration first and writes nothing if that
read is incomplete; after writing it reads the mouse back and compares. One program at a
time talks to the mouse: a command waits (up to 10 s) while QV318 Driver or another
qv318ctl reads or writes it.

Exit codes:
  0  done
  1  the arguments are not a command, or ask for what this mouse cannot hold (a DPI
     value outside its table, the last stage on switched off)
  2  a file could not be read or written, a backup was refused as damaged or foreign,
     a config.bin was refused as holding what the settings window cannot set, or the
     --sim FILE was refused or could not be written
  3  no mouse found, it could not be opened, or another program kept it busy
  4  the mouse did not answer a read completely; nothing was written
  5  a write did not reach the mouse completely: it may hold part of it; run the same
     command again to finish it, or restore a backup
  6  the mouse read back differs from what was written, or could not be read back
)";
}

}  // namespace qv::cli
