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

enum class MouseApply { Written, ReadFailed, WriteFailed };

// The part of the pipeline that reaches the mouse: an image never read completely is read
// first (nothing is written when that read fails), then the image is built from the
// record and written. The command line sends a saved config.bin through this too.
MouseApply ApplyToMouse(AppState& state, MouseLink& mouse);

// The whole pipeline: the image from the record, the write to the mouse, config.bin and the
// key names. An image never read completely is read again first; if that read fails
// nothing goes to the mouse and the user is told so, as for a failed write, but the local
// files are still saved.
void ApplySettings(AppState& state, const LocalState& local, ApplyServices services);

// What a button leaves for the window to do.
struct ButtonResult {
  bool applied = false;     // the pipeline ran
  bool hideWindow = false;  // SW_HIDE the main window
};

// Only while connected: apply, then keep the record as the saved copy; OK also hides.
ButtonResult PressOk(AppState& state, const LocalState& local, ApplyServices services);
ButtonResult PressApply(AppState& state, const LocalState& local, ApplyServices services);

// Always: back to the saved copy, cancel pending (the tray re-reads the settings at the
// next show), hide.
ButtonResult PressCancel(AppState& state);

}  // namespace qv
