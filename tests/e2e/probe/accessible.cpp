// The probe's screen reader: what MSAA tells of a window's client area, one line per child,
// "<role> <state hex> <name>" and, after a tab, its value, read through
// AccessibleObjectFromWindow and AccessibleChildren as a reader in another process reads
// it; the window's own name; a child's default action; and the events the program raises.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Spelled out: with a static MinGW link the library's IID_IAccessible is an import thunk.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string Utf8(const wchar_t* text, UINT length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), size, nullptr, nullptr);
  return out;
}

long VariantLong(const VARIANT& v) { return v.vt == VT_I4 ? v.lVal : -1; }

std::string Text(BSTR text) {
  std::string out = text ? Utf8(text, SysStringLen(text)) : std::string();
  SysFreeString(text);
  return out;
}

// "<role> <state hex> <name>\t<value>"
std::string Describe(IAccessible* object, const VARIANT& child) {
  BSTR name = nullptr;
  BSTR value = nullptr;
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  object->get_accName(child, &name);
  object->get_accValue(child, &value);
  object->get_accRole(child, &role);
  object->get_accState(child, &state);
  char head[64];
  std::snprintf(head, sizeof head, "%ld %lx ", VariantLong(role), static_cast<unsigned long>(VariantLong(state)));
  return head + Text(name) + "\t" + Text(value);
}

void PrintChild(IAccessible* object, const VARIANT& child) { std::printf("%s\n", Describe(object, child).c_str()); }

IAccessible* ClientObject(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    return nullptr;
  }
  return object;
}

struct EventLog {
  FILE* file = nullptr;
  DWORD process = 0;
  std::string until;
  bool done = false;
};
EventLog gLog;

const char* EventName(DWORD event) {
  switch (event) {
    case EVENT_OBJECT_FOCUS: return "focus";
    case EVENT_OBJECT_NAMECHANGE: return "name";
    case EVENT_OBJECT_VALUECHANGE: return "value";
    case EVENT_OBJECT_STATECHANGE: return "state";
    case EVENT_OBJECT_REORDER: return "reorder";
    default: return nullptr;
  }
}

// Only the event is written: asking the window for the control's name here would call
// back into a program that may still be inside NotifyWinEvent.
void CALLBACK OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG objectId, LONG childId, DWORD, DWORD) {
  const char* kind = EventName(event);
  DWORD from = 0;
  if (window) GetWindowThreadProcessId(window, &from);
  if (!kind || objectId != OBJID_CLIENT || from != gLog.process) return;
  const std::string line = std::string(kind) + " " + std::to_string(childId);
  std::fprintf(gLog.file, "%s\n", line.c_str());
  std::fflush(gLog.file);
  if (!gLog.until.empty() && (line + " ").find(gLog.until) != std::string::npos) gLog.done = true;
}

}  // namespace

// Runs `use` on the window's client object, COM started around it; 1 when there is none.
template <typename Use>
int WithClientObject(HWND window, Use use) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  int rc = 1;
  if (IAccessible* object = ClientObject(window)) {
    rc = use(object);
    object->Release();
  }
  CoUninitialize();
  return rc;
}

VARIANT Child(long index) {
  VARIANT child;
  VariantInit(&child);
  child.vt = VT_I4;
  child.lVal = index;
  return child;
}

// The window's own name and state: "<role> <state hex> <name>\t<value>".
int PrintAccessibleName(HWND window) {
  return WithClientObject(window, [](IAccessible* object) {
    std::printf("%s\n", Describe(object, Child(CHILDID_SELF)).c_str());
    return 0;
  });
}

// A reader's default action on child `index` (1..n): 0 when the object took it, 2 when it refused.
int DoDefaultAction(HWND window, long index) {
  return WithClientObject(window, [index](IAccessible* object) {
    const HRESULT hr = object->accDoDefaultAction(Child(index));
    std::printf("%lx\n", static_cast<unsigned long>(hr));
    return SUCCEEDED(hr) ? 0 : 2;
  });
}

// Writes the focus, name, value, state and reorder events of the window's process to
// `path`, one line each ("<kind> <child>": focus, name, value, state, reorder), after a first
// line "listening"; ends with 0 at the first line that, with a space after it, holds `until`,
// with 1 after `seconds`.
int RecordEvents(HWND window, const wchar_t* path, const std::string& until, int seconds) {
  GetWindowThreadProcessId(window, &gLog.process);
  gLog.file = _wfopen(path, L"w");
  if (!gLog.file || FAILED(CoInitialize(nullptr))) return 1;
  gLog.until = until;
  // Every event, sorted in OnEvent: Wine 8 delivered none of a narrower range here.
  HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, OnEvent, 0, 0,
                                       WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  if (!hook) return 1;
  std::fprintf(gLog.file, "listening\n");
  std::fflush(gLog.file);
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds) * 1000;
  while (!gLog.done && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - GetTickCount64()), QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  UnhookWinEvent(hook);
  CoUninitialize();
  std::fclose(gLog.file);
  return gLog.done ? 0 : 1;
}

// Answers 0 when the object and its children could be read, 1 otherwise.
int PrintAccessible(HWND window) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  IAccessible* object = nullptr;
  int rc = 1;
  if ((object = ClientObject(window)) != nullptr) {
    long count = 0;
    object->get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<size_t>(count > 0 ? count : 0));
    long got = 0;
    if (count > 0 && SUCCEEDED(AccessibleChildren(object, 0, count, children.data(), &got))) {
      for (long i = 0; i < got; ++i) {
        if (children[static_cast<size_t>(i)].vt == VT_I4) PrintChild(object, children[static_cast<size_t>(i)]);
        VariantClear(&children[static_cast<size_t>(i)]);
      }
      rc = got == count ? 0 : 1;
    }
    object->Release();
  }
  CoUninitialize();
  return rc;
}
