#include "cli/commands.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <variant>

#include "cli/backup_file.h"
#include "cli/changes.h"
#include "cli/mouse_view.h"
#include "cli/profile_commands.h"
#include "cli/session.h"
#include "cli/std_services.h"
#include "cli/view_output.h"
#include "common/text.h"
#include "config/apply.h"
#include "config/record_rules.h"
#include "device/hid_owners.h"
#include "device/mouse_identity.h"

namespace qv::cli {
namespace {

constexpr size_t kLargestFileRead = 1 << 20;  // a backup or config.bin is far smaller

Outcome Error(ExitCode code, std::string sentence) { return {code, std::move(sentence)}; }

Outcome NoMouse(Environment& env) {
  const std::string reason = env.noMouseReason ? env.noMouseReason() : std::string();
  return Error(ExitCode::NoMouse, reason.empty() ? "no QV318 mouse found (USB 04D9:A09E)." : reason);
}

// "cannot read mouse.qvb: No such file or directory."
Outcome FileError(Environment& env, const std::string& doing, const std::string& file) {
  return Error(ExitCode::File, "cannot " + doing + " " + file + ": " + ErrorText(env.files.LastError()) + ".");
}

Outcome Busy() {
  return Error(ExitCode::NoMouse,
               "the mouse is busy: another program (QV318 Driver or qv318ctl) is using it; nothing was done. Try again "
               "in a moment.");
}

// The mouse may hold part of what was sent and part of what it held.
Outcome WriteCutShort(const std::string& again) {
  return Error(ExitCode::WriteFailed, "the write did not reach the mouse completely, so it may hold part of the new "
                                      "settings; run " + again + " again to finish it, or put a backup back with "
                                      "qv318ctl restore FILE.");
}

Outcome ReadFailed() {
  return Error(ExitCode::ReadFailed, "the mouse did not answer completely while it was read; nothing was written.");
}

std::string RoleOf(const HidCaps& caps) {
  if (caps.usagePage == kGenericDesktopPage && caps.usage == kDataChannelUsage &&
      caps.featureReportByteLength == kDataChannelFeatureLength) {
    return "data channel";
  }
  if (caps.usagePage == kGenericDesktopPage && caps.usage == kCommandChannelUsage &&
      caps.featureReportByteLength == kCommandChannelFeatureLength) {
    return "command channel";
  }
  char text[64];
  std::snprintf(text, sizeof text, "other collection (usage page 0x%X, usage 0x%X)", caps.usagePage, caps.usage);
  return text;
}

struct ListedCollection {
  std::u16string device;  // the physical device, which tells identical mice apart
  std::string line;
};

// Every collection of a mouse on the bus, in the order of the enumeration.
std::vector<ListedCollection> MouseCollections(HidBus& bus) {
  std::vector<ListedCollection> listed;
  EnumerationScope scope(bus);
  for (uint32_t member = 0; scope.Begun(); ++member) {
    const HidInterface entry = bus.EnumerateInterface(member);
    if (entry.status == HidEnumStatus::NoMoreItems) break;
    if (!entry.path) continue;
    const HidOpenResult opened = bus.Open(*entry.path, kAccessNone, kAttributesNone);
    if (opened.handle == kInvalidHidHandle) continue;
    HidHandleOwner handle(bus, opened.handle);
    HidAttributes attributes;
    if (!bus.GetAttributes(handle.Get(), attributes) || attributes.vendorId != kMouseVendorId ||
        attributes.productId != kMouseProductId) {
      continue;
    }
    PreparsedOwner preparsed(bus, bus.GetPreparsedData(handle.Get()));
    HidCaps caps;
    if (!preparsed || bus.GetCaps(preparsed.Get(), caps) != HidCapsStatus::Success) continue;
    listed.push_back({entry.device, RoleOf(caps) + ": " + ToUtf8(*entry.path)});
  }
  return listed;
}

// One paragraph per mouse, one line per collection; answers the mice in the order shown.
std::vector<std::u16string> ListMice(Environment& env) {
  const std::vector<ListedCollection> listed = MouseCollections(env.bus);
  std::vector<std::u16string> mice;
  for (const ListedCollection& c : listed) {
    if (std::find(mice.begin(), mice.end(), c.device) == mice.end()) mice.push_back(c.device);
  }
  for (const std::u16string& mouse : mice) {
    env.out << "Mouse 04D9:A09E" << (mouse.empty() ? "" : " at " + ToUtf8(mouse)) << "\n";
    for (const ListedCollection& c : listed) {
      if (c.device == mouse) env.out << "  " << c.line << "\n";
    }
  }
  return mice;
}

Outcome List(Environment& env) {
  const std::vector<std::u16string> mice = ListMice(env);
  Session session(env.bus, env.pause);
  const bool opened = session.Open();
  if (mice.empty() && !opened) {
    env.out << "No mouse could be opened.\n";
    return NoMouse(env);
  }
  env.out << "Both configuration collections opened: " << (opened ? "yes" : "no");
  // The other commands talk to this one mouse.
  if (opened && mice.size() > 1) env.out << ", of the mouse at " << ToUtf8(session.Link().Device());
  env.out << "\n";
  if (!opened) return NoMouse(env);
  return {};
}

Outcome WriteVerified(Session& session, const ConfigImage& image, const std::string& again) {
  if (!session.Write(image)) return WriteCutShort(again);
  if (const auto mismatch = session.Verify(image)) return Error(ExitCode::Mismatch, *mismatch);
  return {};
}

// Opens the mouse and reads all of it; `image` holds the memory on success.
Outcome OpenAndRead(Environment& env, Session& session, ConfigImage& image) {
  if (!session.Open()) return NoMouse(env);
  if (!session.Read(image)) return ReadFailed();
  return {};
}

Outcome Dump(const Command& command, Environment& env) {
  Session session(env.bus, env.pause);
  ConfigImage image;
  if (Outcome read = OpenAndRead(env, session, image); read.code != ExitCode::Ok) return read;
  const MouseView view = ViewOf(image);
  env.out << (command.json ? ViewJson(view) : ViewText(view));
  return {};
}

Outcome Backup(const Command& command, Environment& env) {
  Session session(env.bus, env.pause);
  ConfigImage image;
  if (Outcome read = OpenAndRead(env, session, image); read.code != ExitCode::Ok) return read;
  const std::vector<uint8_t> content = BackupContent(image);
  if (!env.files.Replace(FromUtf8(command.file), content)) {
    return FileError(env, "write", command.file);
  }
  env.out << "Saved the mouse's memory to " << command.file << ".\n";
  return {};
}

Outcome Restore(const Command& command, Environment& env) {
  const auto content = env.files.Read(FromUtf8(command.file), kLargestFileRead);
  if (!content) return FileError(env, "read", command.file);
  const auto parsed = ParseBackup(*content);
  if (const auto* refusal = std::get_if<std::string>(&parsed)) {
    return Error(ExitCode::File, command.file + " " + *refusal + "; the mouse was not touched.");
  }
  Session session(env.bus, env.pause);
  ConfigImage current;
  if (Outcome read = OpenAndRead(env, session, current); read.code != ExitCode::Ok) return read;
  const std::string again = "qv318ctl restore " + command.file;
  if (Outcome written = WriteVerified(session, std::get<ConfigImage>(parsed), again); written.code != ExitCode::Ok) {
    return written;
  }
  env.out << "Restored the mouse's memory from " << command.file << ".\n";
  return {};
}

// A record the window could not have written (a damaged or foreign file, or levels of
// another DPI table than the mouse's) would leave the mouse without a left button, a stage
// or sane fire times.
Outcome RefuseUnproducible(const std::string& file, const UiRecord& record, int dpiSelector) {
  const std::optional<std::string> field = UnproducibleField(record, dpiSelector);
  if (!field) return {};
  return Error(ExitCode::File, file + " holds a value the settings window cannot set (" + *field +
                                   "), so it is not a config.bin of this program; the mouse was not touched.");
}

Outcome Apply(const Command& command, Environment& env) {
  Session session(env.bus, env.pause);
  AppState& state = session.State();
  LocalPaths paths;
  paths.configFile = FromUtf8(command.file);
  struct : MessageBoxes {
    void Show(std::u16string_view, std::u16string_view) override {}
  } silent;
  // Read here too, for the system's reason when the file cannot be read.
  const auto content = env.files.Read(paths.configFile, kLargestFileRead);
  if (!content) return FileError(env, "read", command.file);
  if (LoadConfigFile(env.files, silent, paths, state) != ConfigLoad::Loaded) {
    return Error(ExitCode::File, command.file + " is " + std::to_string(content->size()) + " bytes long, not the " +
                                     std::to_string(kConfigFileSize) + " of a config.bin.");
  }
  if (Outcome refused = RefuseUnproducible(command.file, state.record, kAnyDpiTable); refused.code != ExitCode::Ok) {
    return refused;
  }
  if (!session.Open()) return NoMouse(env);
  if (!EnsureCompleteImage(state, session.Protocol())) return ReadFailed();
  if (Outcome refused = RefuseUnproducible(command.file, state.record, state.dpiSelector); refused.code != ExitCode::Ok) {
    return refused;
  }
  switch (ApplyToMouse(state, session.Protocol())) {
    case MouseApply::ReadFailed: return ReadFailed();
    case MouseApply::WriteUnanswered:
    case MouseApply::WriteFailed: return WriteCutShort("qv318ctl apply " + command.file);
    case MouseApply::Busy: return Busy();
    case MouseApply::Written: break;
  }
  if (const auto mismatch = session.Verify(state.image)) return Error(ExitCode::Mismatch, *mismatch);
  env.out << "Applied " << command.file << ".\n";
  return {};
}

Outcome Set(const Command& command, Environment& env) {
  Session session(env.bus, env.pause);
  ConfigImage image;
  if (Outcome read = OpenAndRead(env, session, image); read.code != ExitCode::Ok) return read;
  if (const auto unfit = ApplyChange(command.change, image)) return Error(ExitCode::Usage, *unfit);
  if (Outcome written = WriteVerified(session, image, "the same qv318ctl set command"); written.code != ExitCode::Ok) {
    return written;
  }
  env.out << "Written and verified.\n";
  return {};
}

}  // namespace

Outcome RunCommand(const Command& command, Environment& env) {
  // One lock for the whole command: a read, the change and the write, so that no other
  // program writes between the read and the write.
  const bool talks = command.verb != Verb::Help && command.verb != Verb::Version && command.verb != Verb::List &&
                     (command.verb != Verb::Profile || ProfileActionTalks(command.profileAction));
  std::optional<TransferLockScope> lock;
  if (talks && env.lock != nullptr) {
    lock.emplace(*env.lock);
    if (!lock->Held()) return Busy();
  }
  switch (command.verb) {
    case Verb::Help: env.out << HelpText(); return {};
    case Verb::Version: env.out << VersionText(); return {};
    case Verb::List: return List(env);
    case Verb::Dump: return Dump(command, env);
    case Verb::Backup: return Backup(command, env);
    case Verb::Restore: return Restore(command, env);
    case Verb::Apply: return Apply(command, env);
    case Verb::Set: return Set(command, env);
    case Verb::Profile: return RunProfileCommand(command, env);
  }
  return {};
}

int RunProgram(std::span<const std::string> args, std::ostream& out, std::ostream& err, Platform& platform) {
  const auto parsed = ParseArguments(args);
  if (const auto* usage = std::get_if<std::string>(&parsed)) {
    err << "qv318ctl: " << *usage << "\n";
    return ToInt(ExitCode::Usage);
  }
  const Command& command = std::get<Command>(parsed);
  if (command.verb == Verb::Help || command.verb == Verb::Version) {  // need no bus: work without HID access
    out << (command.verb == Verb::Help ? HelpText() : VersionText());
    return ToInt(ExitCode::Ok);
  }
  if (const auto refused = command.sim ? RefusedSimFile(*command.sim) : std::nullopt) {
    err << "qv318ctl: " << *refused << "\n";
    return ToInt(ExitCode::File);
  }
  std::unique_ptr<FileSimMouse> sim = command.sim ? CreateFileSimMouse(FromUtf8(*command.sim)) : nullptr;
  std::unique_ptr<HidBus> platformBus = sim ? nullptr : platform.CreateBus();
  HidBus* bus = sim ? static_cast<HidBus*>(sim.get()) : platformBus.get();
  SleepPause pause;
  StdFileSystem files;
  const std::unique_ptr<TransferLock> lock = platform.CreateTransferLock();
  Environment env{*bus, pause, files, out, nullptr, lock.get(), platform.ProfilesFolder().u16string()};
  if (!command.sim) env.noMouseReason = [&platform] { return platform.NoMouseReason(); };
  Outcome outcome = RunCommand(command, env);
  if (const auto failure = sim ? sim->SaveFailure() : std::nullopt) {
    outcome = Error(ExitCode::File, "cannot write " + *command.sim + ": " + *failure + "; the write did not happen.");
  }
  out.flush();
  if (outcome.code != ExitCode::Ok) err << "qv318ctl: " << outcome.error << "\n";
  return ToInt(outcome.code);
}

}  // namespace qv::cli
