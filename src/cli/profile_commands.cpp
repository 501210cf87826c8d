#include "cli/profile_commands.h"

#include <variant>

#include "cli/mouse_view.h"
#include "cli/session.h"
#include "common/paths.h"
#include "common/text.h"
#include "config/apply.h"
#include "config/mouse_settings.h"
#include "profiles/profile_library.h"

namespace qv::cli {
namespace {

Outcome Error(ExitCode code, std::string sentence) { return {code, std::move(sentence)}; }

Outcome Done(std::optional<std::string> failure, Environment& env, const std::string& said) {
  if (failure) return Error(ExitCode::File, *failure + ".");
  env.out << said << "\n";
  return {};
}

// The mouse's settings as a profile, each key named by what it does.
Profile ProfileOfMouse(const ConfigImage& image) {
  UiRecord record;
  DecodeMouseSettings(image, image.DpiSelector(), record);
  KeyNames names;
  for (const KeyView& key : ViewOf(image).keys) {
    const std::string name = key.parameter.empty() ? key.function : key.function + " " + key.parameter;
    names[static_cast<size_t>(key.mode)][static_cast<size_t>(key.key - 1)] = FromUtf8(name).substr(0, kProfileNameMax);
  }
  return ProfileOf(record, names);
}

Outcome List(ProfileLibrary& library, Environment& env) {
  const ProfileSettings settings = library.Settings();
  const std::vector<std::u16string> names = library.Names();
  if (names.empty()) env.out << "No profiles in " << ToUtf8(library.Folder()) << ".\n";
  for (const std::u16string& name : names) {
    env.out << ToUtf8(name) << (name == settings.defaultProfile ? " (default)" : "");
    std::string programs;
    for (const ProfileBinding& b : settings.bindings) {
      if (b.profile == name) programs += (programs.empty() ? "" : ", ") + ToUtf8(b.program);
    }
    if (!programs.empty()) env.out << ": " << programs;
    env.out << "\n";
  }
  env.out << "Switch automatically: " << (settings.switchAutomatically ? "on" : "off") << "\n";
  return {};
}

Outcome Save(ProfileLibrary& library, const Command& command, Environment& env) {
  const std::u16string name = FromUtf8(command.profileName);
  if (const std::string refused = RefusedProfileName(name); !refused.empty()) return Error(ExitCode::Usage, refused + ".");
  Session session(env.bus, env.pause);
  ConfigImage image;
  if (!session.Open()) return Error(ExitCode::NoMouse, "no QV318 mouse found (USB 04D9:A09E).");
  if (!session.Read(image)) return Error(ExitCode::ReadFailed, "the mouse did not answer completely while it was read; nothing was saved.");
  return Done(library.Save(name, ProfileOfMouse(image)), env, "Saved what the mouse holds as the profile " + QuotedName(name) + ".");
}

Outcome Apply(ProfileLibrary& library, const Command& command, Environment& env) {
  const std::u16string name = FromUtf8(command.profileName);
  auto loaded = library.Load(name);
  if (const auto* refused = std::get_if<std::string>(&loaded)) {
    return Error(ExitCode::File, *refused + "; the mouse was not touched.");
  }
  Session session(env.bus, env.pause);
  AppState& state = session.State();
  if (!session.Open()) return Error(ExitCode::NoMouse, "no QV318 mouse found (USB 04D9:A09E).");
  if (!session.Read(state.image)) return Error(ExitCode::ReadFailed, "the mouse did not answer completely while it was read; nothing was written.");
  state.imageComplete = true;
  state.dpiSelector = state.image.DpiSelector();
  DecodeMouseSettings(state.image, state.dpiSelector, state.record);
  const Profile& profile = std::get<Profile>(loaded);
  if (SameOnMouse(profile, state.record)) {
    env.out << "The mouse holds the profile " << QuotedName(name) << " already; nothing was written.\n";
    return {};
  }
  KeyNames names;
  OverlayProfile(profile, state.record, names);
  const std::string again = "qv318ctl profile apply " + command.profileName;
  switch (ApplyToMouse(state, session.Protocol())) {
    case MouseApply::ReadFailed: return Error(ExitCode::ReadFailed, "the mouse did not answer completely while it was read; nothing was written.");
    case MouseApply::Busy: return Error(ExitCode::NoMouse, "the mouse is busy; nothing was done.");
    case MouseApply::WriteUnanswered:
    case MouseApply::WriteFailed:
      return Error(ExitCode::WriteFailed, "the write did not reach the mouse completely; run " + again + " again to finish it.");
    case MouseApply::Written: break;
  }
  if (const auto mismatch = session.Verify(state.image)) return Error(ExitCode::Mismatch, *mismatch);
  env.out << "The mouse now holds the profile " << QuotedName(name) << ".\n";
  return {};
}

Outcome Bind(ProfileLibrary& library, const Command& command, Environment& env, bool bind) {
  const std::u16string name = FromUtf8(command.profileName);
  const std::u16string program = FromUtf8(command.program);
  if (!library.Exists(name)) return Error(ExitCode::File, "the profile " + QuotedName(name) + " does not exist.");
  ProfileSettings settings = library.Settings();
  const ProfileBinding binding{program, name};
  const bool had = std::erase(settings.bindings, binding) > 0;
  if (!bind) {
    if (!had) return Error(ExitCode::Usage, command.program + " is not bound to the profile " + QuotedName(name) + ".");
    return Done(library.SaveSettings(settings), env, command.program + " no longer chooses the profile " + QuotedName(name) + ".");
  }
  // One profile per program: a program bound anew leaves its former profile.
  std::erase_if(settings.bindings, [&](const ProfileBinding& b) { return b.program == program; });
  settings.bindings.push_back(binding);
  return Done(library.SaveSettings(settings), env, command.program + " now chooses the profile " + QuotedName(name) + ".");
}

}  // namespace

bool ProfileActionTalks(ProfileAction action) { return action == ProfileAction::Save || action == ProfileAction::Apply; }

Outcome RunProfileCommand(const Command& command, Environment& env) {
  ProfileLibrary library(env.files, command.folder ? FromUtf8(*command.folder) : env.profilesFolder);
  const std::u16string name = FromUtf8(command.profileName);
  switch (command.profileAction) {
    case ProfileAction::List: return List(library, env);
    case ProfileAction::Save: return Save(library, command, env);
    case ProfileAction::Apply: return Apply(library, command, env);
    case ProfileAction::Bind: return Bind(library, command, env, true);
    case ProfileAction::Unbind: return Bind(library, command, env, false);
    case ProfileAction::Export:
      return Done(library.Export(name, FromUtf8(command.file)), env,
                  "Exported the profile " + QuotedName(name) + " to " + command.file + ".");
    case ProfileAction::Import: {
      const std::u16string file = FromUtf8(command.file);
      const std::u16string chosen = name.empty() ? std::u16string(StemOf(FileNameOf(file))) : name;
      return Done(library.Import(file, chosen), env, "Imported " + command.file + " as the profile " + QuotedName(chosen) + ".");
    }
    case ProfileAction::Delete: return Done(library.Delete(name), env, "Deleted the profile " + QuotedName(name) + ".");
  }
  return {};
}

}  // namespace qv::cli
