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
#include "ui/language.h"

namespace qv {

struct ApplyServices {
  MouseLink& mouse;
  FileSystem& files;
  ProfileStore& profile;
  MessageBoxes& messages;
  std::u16string_view missingMouseText;  // in the user's language
  TransferLock& lock;                    // held for the whole transfer sequence
  std::u16string_view busyText;          // another program held the mouse too long
  Language language = Language::English;  // of the message when the files cannot be saved
};

enum class MouseApply {
  Written,
  ReadFailed,       // nothing was written
  WriteUnanswered,  // the mouse did not answer the write's status query: nothing was written
  WriteFailed,      // a transfer after the status failed: the mouse may hold part of the image
  Busy,             // another program held the mouse past the bounded wait: nothing was sent
};

// Reads the whole memory unless the image already holds a complete read; the DPI table
// selector comes with it. False, with nothing changed but the image, when the read fails.
bool EnsureCompleteImage(AppState& state, MouseLink& mouse);

// The part of the pipeline that reaches the mouse: an image never read completely is read
// first (nothing is written when that read fails), then the image is built from the
// record and written. The command line sends a saved config.bin through this too.
MouseApply ApplyToMouse(AppState& state, MouseLink& mouse);

// The message when config.bin or str.ini could not be saved: what failed, with the system's
// reason for each file (`failures`: "config.bin: Access is denied."), and whether the mouse
// took the settings all the same.
std::u16string NotSavedText(Language language, bool mouseTookSettings, std::u16string_view failures);

// The whole pipeline: the image from the record, the write to the mouse, config.bin and the
// key names. The transfers hold the transfer lock; an image never read completely since the
// mouse was opened, or after another program held the lock, is read again first. A write
// cut short is marked beside config.bin (config/unfinished_write.h) until one completes.
// The local files are saved whatever the mouse did, so no edit is lost; when the settings
// did not reach the mouse (it is missing or busy, a read or a write failed) the user is told
// so. Answers whether the mouse took them.
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
