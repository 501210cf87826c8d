#include "app/win32/unelevated_open.h"

#include <exdisp.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>
#include <shlwapi.h>

#include "common/win32/handles.h"
#include "common/win32/wide.h"

namespace qv::win {
namespace {

struct BstrTraits {
  static BSTR Invalid() { return nullptr; }
  static void Close(BSTR text) { SysFreeString(text); }
};
using UniqueBstr = UniqueResource<BSTR, BstrTraits>;

// COM on this thread while the shell is asked, and as it was afterwards. Declared before
// the interfaces it serves, so that they are released first.
class ComApartment {
 public:
  ComApartment() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
  ~ComApartment() {
    if (started_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool started_;
};

template <typename To>
UniqueCom<To> Query(IUnknown* from, REFIID id) {
  void* found = nullptr;
  if (from == nullptr || FAILED(from->QueryInterface(id, &found))) return {};
  return UniqueCom<To>(static_cast<To*>(found));
}

// The desktop window's dispatch object from the shell's list of windows, which Explorer
// serves from its unelevated process.
UniqueCom<IDispatch> DesktopWindow() {
  void* found = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows, &found))) return {};
  const UniqueCom<IShellWindows> windows(static_cast<IShellWindows*>(found));
  VARIANT desktop{};
  desktop.vt = VT_I4;
  desktop.lVal = CSIDL_DESKTOP;
  VARIANT none{};  // VT_EMPTY
  LONG window = 0;
  IDispatch* dispatch = nullptr;
  if (windows.get()->FindWindowSW(&desktop, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &dispatch) != S_OK) return {};
  return UniqueCom<IDispatch>(dispatch);
}

// Desktop window, its browser, the active view, the view's background object, and the
// shell application object behind it.
UniqueCom<IShellDispatch2> DesktopShell() {
  const UniqueCom<IDispatch> desktop = DesktopWindow();
  void* found = nullptr;
  if (!desktop || FAILED(IUnknown_QueryService(desktop.get(), SID_STopLevelBrowser, IID_IShellBrowser, &found))) {
    return {};
  }
  const UniqueCom<IShellBrowser> browser(static_cast<IShellBrowser*>(found));
  IShellView* rawView = nullptr;
  if (FAILED(browser.get()->QueryActiveShellView(&rawView))) return {};
  const UniqueCom<IShellView> view(rawView);
  found = nullptr;
  if (FAILED(view.get()->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, &found))) return {};
  const UniqueCom<IDispatch> background(static_cast<IDispatch*>(found));
  const UniqueCom<IShellFolderViewDual> folderView = Query<IShellFolderViewDual>(background.get(), IID_IShellFolderViewDual);
  IDispatch* rawApplication = nullptr;
  if (!folderView || FAILED(folderView.get()->get_Application(&rawApplication))) return {};
  const UniqueCom<IDispatch> application(rawApplication);
  return Query<IShellDispatch2>(application.get(), IID_IShellDispatch2);
}

bool OpenThroughDesktop(const std::u16string& file) {
  const ComApartment com;
  const UniqueCom<IShellDispatch2> shell = DesktopShell();
  const UniqueBstr path(SysAllocString(W(file)));
  const UniqueBstr verb(SysAllocString(L"open"));
  if (!shell || !path || !verb) return false;
  VARIANT none{};  // VT_EMPTY: no arguments, the default folder
  VARIANT operation{};
  operation.vt = VT_BSTR;
  operation.bstrVal = verb.get();  // borrowed: the owner frees it
  VARIANT show{};
  show.vt = VT_I4;
  show.lVal = SW_SHOWNORMAL;
  return SUCCEEDED(shell.get()->ShellExecute(path.get(), none, none, operation, show));
}

}  // namespace

bool OpenUnelevated(const std::u16string& file) { return OpenThroughDesktop(file); }

}  // namespace qv::win
