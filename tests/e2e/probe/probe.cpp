// A small observer for the end-to-end tests: finds the program's main window and reads
// what a person would see of it (visible or not, balloon texts, list boxes), sends it a
// message, or reads a file's version resource. Prints UTF-8 lines; exit code 0 on success,
// 1 when there is nothing to find, 3 when the program does not answer a sent message in
// time (it is hung: never re-send).
#include <windows.h>
#include <dbt.h>
#include <psapi.h>
#include <winternl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

// accessible.cpp: what a screen reader reads of the window, does in it, and is told.
int PrintAccessible(HWND window);
int PrintAccessibleName(HWND window);
int DoDefaultAction(HWND window, long index);
int RecordEvents(HWND window, const wchar_t* path, const std::string& until, int seconds);

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

std::wstring WindowText(HWND window) {
  wchar_t buffer[1024] = {};
  SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 2000, nullptr);
  return buffer;
}

HWND MainWindow() { return FindWindowW(L"QV318-207GMClass", nullptr); }

constexpr UINT kAnswerMs = 5000;

// Sends and waits for the answer, at most kAnswerMs; false when none came.
bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kAnswerMs, &answer)) {
    std::fprintf(stderr, "no answer to message 0x%x within %u ms (error %lu)\n", message, kAnswerMs, GetLastError());
    return false;
  }
  if (result) *result = static_cast<LRESULT>(answer);
  return true;
}

BOOL CALLBACK CollectBalloon(HWND window, LPARAM lParam) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (wcscmp(className, L"tooltips_class32") == 0 && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<std::wstring>*>(lParam)->push_back(WindowText(window));
  }
  return TRUE;
}

BOOL CALLBACK CollectListBox(HWND window, LPARAM lParam) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (_wcsicmp(className, L"ListBox") == 0 && IsWindowVisible(window)) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
  }
  return TRUE;
}

BOOL CALLBACK CountMain(HWND window, LPARAM lParam) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  if (wcscmp(className, L"QV318-207GMClass") == 0) ++*reinterpret_cast<int*>(lParam);
  return TRUE;
}

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<DWORD> data;
  DWORD At(int x, int y) const { return data[static_cast<size_t>(y * width + x)] & 0xFFFFFF; }
};

// Runs draw() on a top-down 32-bit bitmap of the given size and answers its pixels.
template <typename Draw>
Pixels Capture(int width, int height, Draw draw) {
  Pixels pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.data.resize(static_cast<size_t>(width * height));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  draw(memory, screen);
  GdiFlush();
  std::memcpy(pixels.data.data(), bits, pixels.data.size() * sizeof(DWORD));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Whether the open popup menu shows the text. Another process cannot read a menu's items
// under Wine, so the text is drawn the way a menu draws it and looked for on the screen.
int MenuShows(const std::wstring& text) {
  HWND menuWindow = FindWindowW(L"#32768", nullptr);
  if (!menuWindow || !IsWindowVisible(menuWindow)) return 1;
  RECT rect{};
  GetWindowRect(menuWindow, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  const Pixels shown = Capture(width, height, [&](HDC memory, HDC screen) {
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  });
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const DWORD background = shown.At(1, height / 2);
  const Pixels expected = Capture(width, height, [&](HDC memory, HDC) {
    HBRUSH brush = CreateSolidBrush(RGB(GetBValue(background), GetGValue(background), GetRValue(background)));
    RECT all{0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
    HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, GetSysColor(COLOR_MENUTEXT));
    TextOutW(memory, 2, 2, text.c_str(), static_cast<int>(text.size()));
    SelectObject(memory, oldFont);
    DeleteObject(font);
  });
  int left = width, top = height, right = -1, bottom = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (expected.At(x, y) == expected.At(0, 0)) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return 1;
  for (int dy = -top; dy + bottom < height; ++dy) {
    for (int dx = -left; dx + right < width; ++dx) {
      bool same = true;
      for (int y = top; y <= bottom && same; ++y) {
        for (int x = left; x <= right && same; ++x) same = expected.At(x, y) == shown.At(x + dx, y + dy);
      }
      if (same) return 0;
    }
  }
  return 1;
}

bool IsVisibleDialog(HWND window) {
  wchar_t className[64] = {};
  GetClassNameW(window, className, 64);
  return wcscmp(className, L"#32770") == 0 && IsWindowVisible(window);
}

// A message box has a caption; the program's skinned sub-dialogs have none.
bool HasCaption(HWND window) { return (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }

BOOL CALLBACK CollectDialogs(HWND window, LPARAM lParam) {
  if (IsVisibleDialog(window) && HasCaption(window)) {
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
  }
  return TRUE;
}

std::vector<HWND> MessageBoxWindows() {
  std::vector<HWND> boxes;
  EnumWindows(CollectDialogs, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

// Owned by the main window, or by a sub-dialog of it (the name prompt over the profiles' manager).
bool OwnedByMainWindow(HWND window) {
  for (HWND owner = GetWindow(window, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
    if (owner == MainWindow()) return true;
  }
  return false;
}

// The topmost one: the list runs from the top of the Z order.
BOOL CALLBACK FindSubDialog(HWND window, LPARAM lParam) {
  if (!IsVisibleDialog(window) || HasCaption(window) || !OwnedByMainWindow(window)) return TRUE;
  *reinterpret_cast<HWND*>(lParam) = window;
  return FALSE;
}

HWND SubDialog() {
  HWND found = nullptr;
  EnumWindows(FindSubDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Caption and text of each open message box: its static child that is not the icon.
int PrintMessageBoxes() {
  const auto boxes = MessageBoxWindows();
  for (HWND box : boxes) {
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      wchar_t className[64] = {};
      GetClassNameW(child, className, 64);
      if (_wcsicmp(className, L"Static") == 0 && !WindowText(child).empty()) text = WindowText(child);
    }
    std::printf("%s\t%s\n", Utf8(WindowText(box)).c_str(), Utf8(text).c_str());
  }
  return boxes.empty() ? 1 : 0;
}

// The version resource of a file as the shell's properties show it: the fixed file and
// product versions, then "Name<TAB>value" for each string of the first translation.
int PrintVersion(const wchar_t* file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
  if (size == 0) return 1;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(file, 0, size, data.data())) return 1;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed) return 1;
  const auto print = [](const char* name, DWORD high, DWORD low) {
    std::printf("%s\t%u.%u.%u.%u\n", name, unsigned{HIWORD(high)}, unsigned{LOWORD(high)}, unsigned{HIWORD(low)},
                unsigned{LOWORD(low)});
  };
  print("FILEVERSION", fixed->dwFileVersionMS, fixed->dwFileVersionLS);
  print("PRODUCTVERSION", fixed->dwProductVersionMS, fixed->dwProductVersionLS);
  WORD* translation = nullptr;
  if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
      length < 4) {
    return 1;
  }
  for (const wchar_t* name : {L"ProductName", L"FileVersion", L"ProductVersion", L"FileDescription", L"LegalCopyright",
                              L"CompanyName"}) {
    wchar_t key[128];
    std::swprintf(key, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    wchar_t* value = nullptr;
    if (VerQueryValueW(data.data(), key, reinterpret_cast<void**>(&value), &length) && value) {
      std::printf("%s\t%s\n", Utf8(name).c_str(), Utf8(value).c_str());
    }
  }
  return 0;
}

// The GDI objects of another process: GetGuiResources where the system counts them, else
// (Wine 8 answers 0) the used entries of that process's GDI handle table, which its PEB
// names at offset 0xF8: 0x10000 entries of 24 bytes, type byte at 14, 0 when free.
// Wine's GetGuiResources answers 0: count the live entries of the process's GDI handle table
// instead, by the type byte of each entry, so a growth says which kind of object grew.
std::map<int, long> RemoteGdiObjectsByType(HANDLE process) {
  using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
  const auto query = reinterpret_cast<Query>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) return {};
  const BYTE* table = nullptr;
  if (!ReadProcessMemory(process, reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8, &table, sizeof(table),
                         nullptr) || !table) {
    return {};
  }
  std::vector<BYTE> entries(0x10000 * 24);
  if (!ReadProcessMemory(process, table, entries.data(), entries.size(), nullptr)) return {};
  std::map<int, long> counts;
  for (size_t entry = 0; entry < 0x10000; ++entry) {
    if (const BYTE type = entries[entry * 24 + 14]; type != 0) ++counts[type];
  }
  return counts;
}
long RemoteGdiObjects(HANDLE process, const std::map<int, long>& byType) {
  const DWORD reported = GetGuiResources(process, GR_GDIOBJECTS);
  if (reported > 0) return static_cast<long>(reported);
  if (byType.empty()) return -1;
  long count = 0;
  for (const auto& [type, n] : byType) count += n;
  return count;
}

struct WindowCount {
  DWORD process;
  long windows;
};

BOOL CALLBACK CountWindowsOf(HWND window, LPARAM lParam) {
  auto* count = reinterpret_cast<WindowCount*>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != count->process) return TRUE;
  ++count->windows;
  EnumChildWindows(window, [](HWND, LPARAM n) { return ++reinterpret_cast<WindowCount*>(n)->windows, TRUE; },
                   lParam);
  return TRUE;
}

// "gdi user windows private-bytes" of the process that owns `window`, then its GDI objects by type.
int PrintObjects(HWND window) {
  DWORD id = 0;
  GetWindowThreadProcessId(window, &id);
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
  if (!process) return 1;
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof(memory);
  const BOOL measured =
      K32GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
  WindowCount windows{id, 0};
  EnumWindows(CountWindowsOf, reinterpret_cast<LPARAM>(&windows));
  // Wine leaves PrivateUsage of another process at 0; the commit charge is the same figure.
  const SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
  const std::map<int, long> byType = RemoteGdiObjectsByType(process);
  std::printf("%ld %lu %ld %llu\n", RemoteGdiObjects(process, byType), GetGuiResources(process, GR_USEROBJECTS),
              windows.windows, measured ? static_cast<unsigned long long>(privateBytes) : 0ULL);
  for (const auto& [type, n] : byType) std::printf("type%02x:%ld ", type, n);
  std::printf("\n");
  CloseHandle(process);
  return measured ? 0 : 1;
}

// The client area on the screen: left top width height.
int PrintClient(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  std::printf("%ld %ld %ld %ld\n", origin.x, origin.y, client.right, client.bottom);
  return 0;
}

int Main(int argc, wchar_t** argv) {
  // "--dialog" first: the window commands below act on the open sub-dialog instead.
  const bool onSubDialog = argc > 1 && std::wstring(argv[1]) == L"--dialog";
  if (onSubDialog) {
    --argc;
    ++argv;
  }
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"count") {
    int count = 0;
    EnumWindows(CountMain, reinterpret_cast<LPARAM>(&count));
    std::printf("%d\n", count);
    return 0;
  }
  if (command == L"hold") {
    // Holds Wine's desktop open for a test run, as Windows' desktop always is: Wine closes it
    // a second after its last user ends, and the next program to start opens it anew.
    if (!GetDesktopWindow()) return 1;
    std::printf("holding the desktop\n");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
  }
  if (command == L"version" && argc > 2) return PrintVersion(argv[2]);
  if (command == L"msgbox") return PrintMessageBoxes();
  if (command == L"msgbox-ok") {
    const auto boxes = MessageBoxWindows();
    for (HWND box : boxes) PostMessageW(box, WM_COMMAND, IDOK, 0);
    return boxes.empty() ? 1 : 0;
  }
  if (command == L"menu-shows" && argc > 2) return MenuShows(argv[2]);
  if (command == L"menu-rect") {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return 1;
    RECT rect{};
    GetWindowRect(menuWindow, &rect);
    std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom);
    return 0;
  }
  if (command == L"balloon") {
    std::vector<std::wstring> texts;
    EnumWindows(CollectBalloon, reinterpret_cast<LPARAM>(&texts));
    for (const auto& text : texts) std::printf("%s\n", Utf8(text).c_str());
    return texts.empty() ? 1 : 0;
  }
  if (command == L"record" && argc > 3) {  // stands in for a program the shell starts
    if (FILE* out = _wfopen(argv[2], L"wb")) {
      std::fputs(Utf8(argv[3]).c_str(), out);
      std::fclose(out);
      return 0;
    }
    return 1;
  }
  if (command == L"client-of" && argc > 2) {  // a top-level window's client area by its title
    HWND titled = FindWindowW(nullptr, argv[2]);
    return titled ? PrintClient(titled) : 1;
  }
  HWND window = onSubDialog ? SubDialog() : MainWindow();
  if (!window) {
    std::printf("none\n");
    return 1;
  }
  if (command == L"main") {
    RECT client{};
    GetClientRect(window, &client);
    std::printf("%s %ldx%ld\n", IsWindowVisible(window) ? "visible" : "hidden", client.right, client.bottom);
    return 0;
  }
  if (command == L"client") return PrintClient(window);
  if (command == L"notice" && argc > 3) {
    return Send(window, WM_USER + 2, static_cast<WPARAM>(_wtoi64(argv[2])), static_cast<LPARAM>(_wtoi64(argv[3])), nullptr)
               ? 0
               : 3;
  }
  if (command == L"send" && argc > 4) {
    LRESULT result = 0;
    if (!Send(window, static_cast<UINT>(_wtoi64(argv[2])), static_cast<WPARAM>(_wtoi64(argv[3])),
              static_cast<LPARAM>(_wtoi64(argv[4])), &result))
      return 3;
    std::printf("%lld\n", static_cast<long long>(result));
    return 0;
  }
  if (command == L"devchange" && argc > 3) {
    // A device-interface broadcast, as the system sends it when a HID interface comes or goes.
    const std::wstring name = argv[3];
    std::vector<BYTE> buffer(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + name.size() * sizeof(wchar_t));
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    broadcast->dbcc_size = static_cast<DWORD>(buffer.size());
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(broadcast->dbcc_name, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    LRESULT result = 0;
    if (!Send(window, WM_DEVICECHANGE, static_cast<WPARAM>(_wtoi64(argv[2])), reinterpret_cast<LPARAM>(broadcast), &result))
      return 3;
    std::printf("%lld\n", static_cast<long long>(result));
    return 0;
  }
  if (command == L"exit") {
    PostMessageW(window, WM_COMMAND, 1028, 0);
    return 0;
  }
  if (command == L"suspend" || command == L"resume") {
    // Holds the program's one thread where it is (in the middle of a transfer sequence), so
    // that a test can pull the mouse at a point of its choosing, and lets it go on.
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    const HANDLE handle = OpenThread(THREAD_SUSPEND_RESUME, FALSE, thread);
    if (!handle) return 1;
    const DWORD count = command == L"suspend" ? SuspendThread(handle) : ResumeThread(handle);
    CloseHandle(handle);
    return count == static_cast<DWORD>(-1) ? 1 : 0;
  }
  if (command == L"close") {
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == L"objects") return PrintObjects(window);
  if (command == L"accessible") return PrintAccessible(window);
  if (command == L"accessible-name") return PrintAccessibleName(window);
  if (command == L"do-default" && argc > 2) return DoDefaultAction(window, _wtol(argv[2]));
  if (command == L"events" && argc > 4) return RecordEvents(window, argv[2], Utf8(argv[3]), _wtoi(argv[4]));
  if (command == L"tray-soak" && argc > 2) {
    // A left click on the tray icon shows the window, a click on Cancel hides it again and
    // the next tray click rebuilds the page: the messages the shell and a click send. The
    // press also starts the system's drag, which the release ends; the null message waits
    // until the program has handled both.
    constexpr UINT kTrayCallback = WM_USER + 1;
    const LPARAM cancel = MAKELPARAM(822, 633);
    for (int i = 0, n = _wtoi(argv[2]); i < n; ++i) {
      if (!Send(window, kTrayCallback, 0, WM_LBUTTONUP, nullptr)) return 3;
      if (!IsWindowVisible(window)) {
        std::printf("round %d: the tray click did not show the window\n", i);
        return 1;
      }
      if (!Send(window, WM_LBUTTONDOWN, MK_LBUTTON, cancel, nullptr)) return 3;
      PostMessageW(window, WM_LBUTTONUP, 0, cancel);
      if (!Send(window, WM_NULL, 0, 0, nullptr)) return 3;
      if (IsWindowVisible(window)) {
        std::printf("round %d: Cancel did not hide the window\n", i);
        return 1;
      }
    }
    return 0;
  }
  if (command == L"tray-show-time") {
    // The shell's left click on the tray icon, then the paint that shows the page: the
    // milliseconds until the page is drawn (for the benchmark).
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!Send(window, WM_USER + 1, 0, WM_LBUTTONUP, nullptr)) return 3;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    QueryPerformanceCounter(&end);
    std::printf("%.1f\n", static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart));
    return IsWindowVisible(window) ? 0 : 1;
  }
  if (command == L"text" && argc > 2) {  // a child window's text
    HWND child = GetDlgItem(window, _wtoi(argv[2]));
    if (!child) return 1;
    std::printf("%s\n", Utf8(WindowText(child)).c_str());
    return 0;
  }
  if (command == L"lists") {
    std::vector<HWND> lists;
    EnumChildWindows(window, CollectListBox, reinterpret_cast<LPARAM>(&lists));
    for (HWND list : lists) {
      LRESULT count = 0;
      // A list closed while this looks is no longer shown, not a program that hangs.
      if (!Send(list, LB_GETCOUNT, 0, 0, &count)) {
        if (!IsWindow(list)) continue;
        return 3;
      }
      for (LRESULT i = 0; i < count; ++i) {
        wchar_t item[256] = {};
        if (!Send(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(item), nullptr)) return 3;
        std::printf("%d\t%s\n", GetDlgCtrlID(list), Utf8(item).c_str());
      }
    }
    return 0;
  }
  if (command == L"list-item" && argc > 3) {  // the middle of an entry in the window window's client area
    HWND list = GetDlgItem(window, _wtoi(argv[2]));
    if (!list || !IsWindowVisible(list)) return 1;
    LRESULT height = 0;
    LRESULT top = 0;
    if (!Send(list, LB_GETITEMHEIGHT, 0, 0, &height) || !Send(list, LB_GETTOPINDEX, 0, 0, &top)) return 3;
    RECT client{};
    GetClientRect(list, &client);
    POINT point{client.right / 2, static_cast<LONG>((_wtoi(argv[3]) - top) * height + height / 2)};
    MapWindowPoints(list, window, &point, 1);
    std::printf("%ld %ld\n", point.x, point.y);
    return 0;
  }
  std::fprintf(stderr, "usage: qvprobe serve | qvprobe [--dialog] hold|record FILE ARG|window|client|client-of TITLE|count|balloon|msgbox|msgbox-ok|menu-shows TEXT|accessible|accessible-name|do-default N|events FILE UNTIL SECONDS|menu-rect|notice KIND VALUE|send MSG WPARAM LPARAM|devchange EVENT NAME|close|exit|suspend|resume|lists|list-item ID INDEX|text ID|objects|tray-soak N|tray-show-time\n");
  return 2;
}

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

// Answers requests read from stdin, one a line (UTF-8, arguments apart by tabs), until stdin
// closes: a Wine start costs more than most requests, and a test run makes thousands. Each
// answer ends in a record separator, on stdout followed by the exit code, so that the harness
// knows where one answer ends without waiting for the process to end.
int Serve() {
  std::string line;
  for (int c = std::getchar(); c != EOF; c = std::getchar()) {
    if (c != '\n') {
      if (c != '\r') line.push_back(static_cast<char>(c));
      continue;
    }
    std::vector<std::wstring> args{L"qvprobe"};
    for (size_t start = 0;;) {
      const size_t tab = line.find('\t', start);
      args.push_back(Wide(line.substr(start, tab - start)));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
    line.clear();
    std::vector<wchar_t*> argv;
    for (std::wstring& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const int rc = Main(static_cast<int>(args.size()), argv.data());
    std::printf("\x1e%d\n", rc);
    std::fflush(stdout);
    std::fputs("\x1e\n", stderr);
    std::fflush(stderr);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Tells the harness this start reached the probe: Wine's loader has been seen to end a
  // start with exit code 1 and no word at all, which would read as "nothing found".
  std::fputs("qvprobe: started\n", stderr);
  std::fflush(stderr);  // the C runtime buffers stderr too when it is a pipe
  if (argc == 2 && std::wstring(argv[1]) == L"serve") return Serve();
  return Main(argc, argv);
}
