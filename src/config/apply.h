#pragma once
// OK, Apply and Cancel: the edited record becomes the configuration image, goes to the
// mouse, and is saved with the key names; the saved copy is what Cancel returns to.
#include "model/app_state.h"
#include <string_view>

#include "common/platform.h"
#include "config/local_files.h"
#include "config/mouse_link.h"
#include "config/settings.h"
#include "config/startup.h"

namespace qv {

struct ApplyServices {
  MouseLink& mouse;
  FileSystem& files;
  ProfileStore& profile;
  MessageBoxes& messages;
  std::u16string_view missingMouseText;  // in the user's language
};

enum class MouseApply {
  Written,
  ReadFailed,       // nothing was written
  WriteUnanswered,  // the mouse did not answer the write's status query: nothing was written
  WriteFailed,      // a transfer after the status failed: the mouse may hold part of the image
};

// The part of the pipeline that reaches the mouse: an image never read completely is read
// first (nothing is written when that read fails), then the image is built from the
// record and written. The command line sends a saved config.bin through this too.
MouseApply ApplyToMouse(AppState& state, MouseLink& mouse);

// The whole pipeline: the image from the record, the write to the mouse, config.bin and the
// key names. An image never read completely is read again first. The local files are saved
// whatever the mouse did, so no edit is lost; when the settings did not reach the mouse
// (it is missing, a read or a write failed) the user is told so. Answers whether the mouse
// took them.
bool ApplySettings(AppState& state, const LocalState& local, ApplyServices services);

// What a button leaves for the window to do.
struct ButtonResult {
  bool applied = false;     // the mouse took the settings
  bool hideWindow = false;  // SW_HIDE the main window
};

// Apply; only when the mouse took the settings does the record become the saved copy, so
// Cancel never returns to settings the mouse did not get. OK also hides.
ButtonResult PressOk(AppState& state, const LocalState& local, ApplyServices services);
ButtonResult PressApply(AppState& state, const LocalState& local, ApplyServices services);

// Always: back to the saved copy, cancel pending (the tray re-reads the settings at the
// next show), hide.
ButtonResult PressCancel(AppState& state);

}  // namespace qv
