#pragma once
// Opening a document for the user from the program, which runs elevated: ShellExecuteW
// here would hand the document's program (the browser, for the user's guide) the
// administrator's token. Explorer's desktop runs unelevated, so the desktop's own shell is
// asked to open it instead.
#include <windows.h>

#include <string>

namespace qv::win {

// Through the desktop's shell (IShellDispatch2::ShellExecute of its view). False when there
// is none to ask or it refuses: the caller says where the file is instead, since opening it
// from this process would hand the administrator's token on.
bool OpenUnelevated(const std::u16string& file);

}  // namespace qv::win
