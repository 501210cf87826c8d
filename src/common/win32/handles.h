#pragma once
// One owner for every Win32 handle: small move-only RAII types.
#include <windows.h>

#include <utility>

namespace qv::win {

template <typename T, typename Traits>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(T value) : value_(value) {}
  ~UniqueResource() { reset(); }
  UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::Invalid(); }
  T release() { return std::exchange(value_, Traits::Invalid()); }
  void reset(T value = Traits::Invalid()) {
    if (value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  T value_ = Traits::Invalid();
};

struct KernelHandleTraits {  // CreateFileW and friends: INVALID_HANDLE_VALUE means none
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct NullHandleTraits {  // CreateMutexW and friends: null means none
  static HANDLE Invalid() { return nullptr; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
template <typename G>
struct GdiObjectTraits {
  static G Invalid() { return nullptr; }
  static void Close(G h) { DeleteObject(h); }
};
struct MenuTraits {
  static HMENU Invalid() { return nullptr; }
  static void Close(HMENU h) { DestroyMenu(h); }
};
struct HookTraits {
  static HHOOK Invalid() { return nullptr; }
  static void Close(HHOOK h) { UnhookWindowsHookEx(h); }
};
struct MemoryDcTraits {
  static HDC Invalid() { return nullptr; }
  static void Close(HDC h) { DeleteDC(h); }
};
struct WindowTraits {
  static HWND Invalid() { return nullptr; }
  static void Close(HWND h) { DestroyWindow(h); }
};
struct FindTraits {  // FindFirstFileW: INVALID_HANDLE_VALUE means none
  static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { FindClose(h); }
};
struct IconTraits {  // icons made for us (LoadIconMetric, LoadImageW without LR_SHARED)
  static HICON Invalid() { return nullptr; }
  static void Close(HICON h) { DestroyIcon(h); }
};
struct DeviceNotifyTraits {
  static HDEVNOTIFY Invalid() { return nullptr; }
  static void Close(HDEVNOTIFY h) { UnregisterDeviceNotification(h); }
};

// A COM interface pointer: released, not closed.
template <typename I>
struct ComTraits {
  static I* Invalid() { return nullptr; }
  static void Close(I* p) { p->Release(); }
};

using UniqueFileHandle = UniqueResource<HANDLE, KernelHandleTraits>;
using UniqueHandle = UniqueResource<HANDLE, NullHandleTraits>;
using UniqueFont = UniqueResource<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBitmap = UniqueResource<HBITMAP, GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueResource<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniqueMenu = UniqueResource<HMENU, MenuTraits>;
using UniqueHook = UniqueResource<HHOOK, HookTraits>;
using UniqueMemoryDc = UniqueResource<HDC, MemoryDcTraits>;
using UniqueFind = UniqueResource<HANDLE, FindTraits>;
using UniqueDeviceNotify = UniqueResource<HDEVNOTIFY, DeviceNotifyTraits>;
using UniqueIcon = UniqueResource<HICON, IconTraits>;
using UniqueWindow = UniqueResource<HWND, WindowTraits>;  // windows this code created itself
template <typename I>
using UniqueCom = UniqueResource<I*, ComTraits<I>>;

// A window's device context, released to its window: its client area (GetDC) or all of it,
// frame included (GetWindowDC).
template <HDC(WINAPI* Get)(HWND)>
class WindowDcOf {
 public:
  explicit WindowDcOf(HWND window) : window_(window), dc_(Get(window)) {}
  ~WindowDcOf() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDcOf(const WindowDcOf&) = delete;
  WindowDcOf& operator=(const WindowDcOf&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};
using UniqueWindowDc = WindowDcOf<GetDC>;
using UniqueWindowFrameDc = WindowDcOf<GetWindowDC>;

// Selects an object into a device context and puts the previous one back.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelect() {
    if (previous_) SelectObject(dc_, previous_);
  }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

  // False when the object could not be selected (a bitmap already selected elsewhere).
  explicit operator bool() const { return previous_ != nullptr; }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace qv::win
