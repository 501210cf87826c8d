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
constexpr RateName kRates[] = {{125, kRate125Hz}, {250, kRate250Hz}, {500, kRate500Hz}, {1000, kRate1000Hz}};

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

Parsed SetRate(Command command, const Args& words) {
  if (words.size() == 2) {
    for (const RateName& rate : kRates) {
      if (Number(words[1]) == rate.hz) {
        command.change.field = Change::Field::Rate;
        command.change.rateCode = rate.code;
        return command;
      }
    }
  }
  return Fail("set rate takes one of 125, 250, 500 or 1000 (Hz).");
}

Parsed SetStage(Command command, const Args& words) {
  const std::optional<int> stage = words.size() >= 3 ? Number(words[1]) : std::nullopt;
  if (!stage || *stage < 1 || *stage > kStageCount) return Fail("set stage takes a stage number from 1 to 4.");
  Change& change = command.change;
  change.stage = *stage;
  const std::string& what = words[2];
  if ((what == "on" || what == "off") && words.size() == 3) {
    change.field = Change::Field::StageSwitch;
    change.on = what == "on";
    return command;
  }
  if (what == "dpi" && words.size() == 4 && Number(words[3])) {
    change.field = Change::Field::StageDpi;
    change.dpi = *Number(words[3]);
    return command;
  }
  if ((what == "colour" || what == "color") && words.size() == 4 && Colour(words[3])) {
    change.field = Change::Field::StageColour;
    change.colour = *Colour(words[3]);
    return command;
  }
  return Fail("set stage N takes \"dpi VALUE\", \"on\", \"off\" or \"colour RRGGBB\".");
}

Parsed SetLight(Command command, const Args& words) {
  Change& change = command.change;
  change.field = Change::Field::Light;
  const std::string mode = words.size() >= 2 ? words[1] : "";
  if (mode == "off" && words.size() == 2) {
    change.lightMode = kLightOff;
    return command;
  }
  if (mode == "standard" && words.size() == 3) {
    const auto index = IndexOfText(words[2], "%", kBrightnessCount, BrightnessText);
    if (!index) return Fail("set light standard takes a brightness of 5, 15, 25, ... 85 or 100 (%).");
    change.lightMode = kLightStandard;
    change.lightParameter = *index;
    return command;
  }
  if (mode == "neon" && (words.size() == 3 || words.size() == 4)) {
    std::string period = words[2];
    if (!period.empty() && period.back() == 's') period.back() = 'S';
    const auto index = IndexOfText(period, "S", kNeonSpeedCount, NeonSpeedText);
    if (!index) return Fail("set light neon takes a period of 0.5 to 15 seconds in steps of 0.5.");
    change.lightMode = kLightNeon;
    change.lightParameter = *index;
    if (words.size() == 4) {
      if (words[3] != "effect" && words[3] != "flash") return Fail("the Neon effect is \"effect\" or \"flash\".");
      change.neonEffect = words[3] == "effect" ? kNeonRgbEffect : kNeonRgbFlash;
    }
    return command;
  }
  return Fail("set light takes \"off\", \"standard PERCENT\" or \"neon SECONDS [effect|flash]\".");
}

Parsed ParseSet(Command command, const Args& words) {
  if (words.empty()) return Fail("set needs a field: rate, stage or light.");
  if (words[0] == "rate") return SetRate(command, words);
  if (words[0] == "stage") return SetStage(command, words);
  if (words[0] == "light") return SetLight(command, words);
  return Fail("set knows the fields rate, stage and light, not \"" + words[0] + "\".");
}

struct VerbName {
  const char* name;
  Verb verb;
  bool takesFile;
};
constexpr VerbName kVerbs[] = {
    {"list", Verb::List, false},    {"dump", Verb::Dump, false},   {"backup", Verb::Backup, true},
    {"restore", Verb::Restore, true}, {"apply", Verb::Apply, true}, {"set", Verb::Set, false},
};

}  // namespace

std::variant<Command, std::string> ParseArguments(std::span<const std::string> args) {
  Command command;
  Args words;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool helpWord = args[i] == "help" && words.empty();  // "backup help" names a file
    if (args[i] == "--help" || args[i] == "-h" || helpWord) return command;  // Verb::Help
    if (args[i] == "--json") {
      command.json = true;
    } else if (args[i] == "--sim") {
      if (++i == args.size()) return Fail("--sim needs the simulated mouse's memory file.");
      command.sim = args[i];
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) return Fail("no command given; see qv318ctl --help.");
  for (const VerbName& verb : kVerbs) {
    if (words[0] != verb.name) continue;
    command.verb = verb.verb;
    const Args rest(words.begin() + 1, words.end());
    if (command.json && verb.verb != Verb::Dump) return Fail("--json goes only with dump.");
    if (verb.verb == Verb::Set) return ParseSet(command, rest);
    if (verb.takesFile != (rest.size() == 1) || rest.size() > 1) {
      return Fail(std::string(verb.name) + (verb.takesFile ? " takes one file name." : " takes no argument."));
    }
    if (verb.takesFile) command.file = rest[0];
    return command;
  }
  return Fail("unknown command \"" + words[0] + "\"; see qv318ctl --help.");
}

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
  set stage N on|off          switch stage N on or off (a stage switched on is white)
  set stage N colour RRGGBB   colour of stage N, which must be on
  set light off
  set light standard PERCENT  brightness 5, 15, 25, ... 85 or 100
  set light neon SECONDS [effect|flash]   period 0.5 to 15 in steps of 0.5

Options:
  --sim FILE   use the simulated mouse whose memory is FILE (322 bytes; a missing or
               other file starts from the default memory, and writes are saved there)
  --help       this text

Every command that writes reads the whole configuration first and writes nothing if that
read is incomplete; after writing it reads the mouse back and compares.

Exit codes:
  0  done
  1  the arguments are not a command, or ask for what this mouse cannot hold
  2  a file could not be read or written, or a backup was refused as damaged or foreign
  3  no mouse found, or it could not be opened
  4  the mouse did not answer a read completely; nothing was written
  5  a write did not reach the mouse completely
  6  the mouse read back differs from what was written, or could not be read back
)";
}

}  // namespace qv::cli
