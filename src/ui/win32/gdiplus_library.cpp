#include "ui/win32/gdiplus_library.h"

#include <windows.h>
#include <gdiplus.h>

#include <array>

// The GDI+ functions the program calls, defined here in place of an import library's: each
// forwards to the loaded DLL's. The GDI+ holds guarantee a call only while it is loaded; a
// call outside answers what GDI+ answers before it has started.
namespace qv::win {
namespace {

enum Fn : size_t {
  kStartup, kShutdown, kAlloc, kFree, kLockBits, kUnlockBits, kCloneImage, kFromFile, kFromScan0,
  kCreateAttributes, kDeleteGraphics, kDisposeImage, kDisposeAttributes, kDrawImageRectRect, kGraphicsContext,
  kHeight, kWidth, kCompositingMode, kWrapMode, kInterpolationMode, kPixelOffsetMode, kCount
};

constexpr std::array<const char*, kCount> kNames = {
    "GdiplusStartup", "GdiplusShutdown", "GdipAlloc", "GdipFree", "GdipBitmapLockBits", "GdipBitmapUnlockBits",
    "GdipCloneImage", "GdipCreateBitmapFromFile", "GdipCreateBitmapFromScan0", "GdipCreateImageAttributes",
    "GdipDeleteGraphics", "GdipDisposeImage", "GdipDisposeImageAttributes", "GdipDrawImageRectRect",
    "GdipGetImageGraphicsContext", "GdipGetImageHeight", "GdipGetImageWidth", "GdipSetCompositingMode",
    "GdipSetImageAttributesWrapMode", "GdipSetInterpolationMode", "GdipSetPixelOffsetMode"};

struct Library {
  HMODULE module = nullptr;
  std::array<FARPROC, kCount> functions{};
  bool codecsBefore = false;  // windowscodecs.dll was loaded before gdiplus.dll
};

Library& TheLibrary() {
  static Library library;
  return library;
}

template <typename F, typename... Args>
auto Call(Fn fn, F fallback, Args... args) {
  const FARPROC function = TheLibrary().functions[fn];
  if (!function) return fallback;
  return reinterpret_cast<F (*)(Args...)>(reinterpret_cast<void (*)()>(function))(args...);
}

template <typename... Args>
Gdiplus::GpStatus Forward(Fn fn, Args... args) {
  return Call(fn, Gdiplus::GdiplusNotInitialized, args...);
}

template <typename... Args>
void ForwardVoid(Fn fn, Args... args) {
  if (const FARPROC function = TheLibrary().functions[fn]) {
    reinterpret_cast<void (*)(Args...)>(reinterpret_cast<void (*)()>(function))(args...);
  }
}

bool UnderWine() {
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace

bool LoadGdiplusLibrary() {
  Library& library = TheLibrary();
  if (library.module) return true;
  library.codecsBefore = GetModuleHandleW(L"windowscodecs.dll") != nullptr;
  library.module = LoadLibraryExW(L"gdiplus.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!library.module) return false;
  for (size_t i = 0; i < kCount; ++i) {
    library.functions[i] = GetProcAddress(library.module, kNames[i]);
    if (!library.functions[i]) {
      UnloadGdiplusLibrary();
      return false;
    }
  }
  return true;
}

void UnloadGdiplusLibrary() {
  Library& library = TheLibrary();
  if (!library.module) return;
  library.functions = {};
  FreeLibrary(library.module);
  library.module = nullptr;
  // Wine's gdiplus.dll loads windowscodecs.dll for its first decode and does not give it back
  // when it is unloaded (Windows' decodes without it): what it took, and nobody else had, goes.
  if (!library.codecsBefore && UnderWine()) {
    if (const HMODULE codecs = GetModuleHandleW(L"windowscodecs.dll")) FreeLibrary(codecs);
  }
}

}  // namespace qv::win

namespace Gdiplus {
using qv::win::Call;
using qv::win::Forward;
using qv::win::ForwardVoid;

extern "C" {
GpStatus WINGDIPAPI GdiplusStartup(ULONG_PTR* token, GDIPCONST GdiplusStartupInput* input,
                                   GdiplusStartupOutput* output) {
  return Forward(qv::win::kStartup, token, input, output);
}
VOID WINGDIPAPI GdiplusShutdown(ULONG_PTR token) { ForwardVoid(qv::win::kShutdown, token); }
}  // extern "C"

namespace DllExports {
extern "C" {
VOID* WINGDIPAPI GdipAlloc(size_t size) { return Call(qv::win::kAlloc, static_cast<VOID*>(nullptr), size); }
VOID WINGDIPAPI GdipFree(VOID* memory) { ForwardVoid(qv::win::kFree, memory); }
GpStatus WINGDIPAPI GdipBitmapLockBits(GpBitmap* bitmap, GDIPCONST GpRect* rect, UINT flags, PixelFormat format,
                                       BitmapData* data) {
  return Forward(qv::win::kLockBits, bitmap, rect, flags, format, data);
}
GpStatus WINGDIPAPI GdipBitmapUnlockBits(GpBitmap* bitmap, BitmapData* data) {
  return Forward(qv::win::kUnlockBits, bitmap, data);
}
GpStatus WINGDIPAPI GdipCloneImage(GpImage* image, GpImage** clone) {
  return Forward(qv::win::kCloneImage, image, clone);
}
GpStatus WINGDIPAPI GdipCreateBitmapFromFile(GDIPCONST WCHAR* file, GpBitmap** bitmap) {
  return Forward(qv::win::kFromFile, file, bitmap);
}
GpStatus WINGDIPAPI GdipCreateBitmapFromScan0(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0,
                                              GpBitmap** bitmap) {
  return Forward(qv::win::kFromScan0, width, height, stride, format, scan0, bitmap);
}
GpStatus WINGDIPAPI GdipCreateImageAttributes(GpImageAttributes** attributes) {
  return Forward(qv::win::kCreateAttributes, attributes);
}
GpStatus WINGDIPAPI GdipDeleteGraphics(GpGraphics* graphics) { return Forward(qv::win::kDeleteGraphics, graphics); }
GpStatus WINGDIPAPI GdipDisposeImage(GpImage* image) { return Forward(qv::win::kDisposeImage, image); }
GpStatus WINGDIPAPI GdipDisposeImageAttributes(GpImageAttributes* attributes) {
  return Forward(qv::win::kDisposeAttributes, attributes);
}
GpStatus WINGDIPAPI GdipDrawImageRectRect(GpGraphics* graphics, GpImage* image, REAL dx, REAL dy, REAL dw, REAL dh,
                                          REAL sx, REAL sy, REAL sw, REAL sh, GpUnit unit,
                                          GDIPCONST GpImageAttributes* attributes, DrawImageAbort abort, VOID* data) {
  return Forward(qv::win::kDrawImageRectRect, graphics, image, dx, dy, dw, dh, sx, sy, sw, sh, unit, attributes,
                 abort, data);
}
GpStatus WINGDIPAPI GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics) {
  return Forward(qv::win::kGraphicsContext, image, graphics);
}
GpStatus WINGDIPAPI GdipGetImageHeight(GpImage* image, UINT* height) {
  return Forward(qv::win::kHeight, image, height);
}
GpStatus WINGDIPAPI GdipGetImageWidth(GpImage* image, UINT* width) { return Forward(qv::win::kWidth, image, width); }
GpStatus WINGDIPAPI GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode) {
  return Forward(qv::win::kCompositingMode, graphics, mode);
}
GpStatus WINGDIPAPI GdipSetImageAttributesWrapMode(GpImageAttributes* attributes, WrapMode wrap, ARGB color,
                                                   BOOL clamp) {
  return Forward(qv::win::kWrapMode, attributes, wrap, color, clamp);
}
GpStatus WINGDIPAPI GdipSetInterpolationMode(GpGraphics* graphics, InterpolationMode mode) {
  return Forward(qv::win::kInterpolationMode, graphics, mode);
}
GpStatus WINGDIPAPI GdipSetPixelOffsetMode(GpGraphics* graphics, PixelOffsetMode mode) {
  return Forward(qv::win::kPixelOffsetMode, graphics, mode);
}
}  // extern "C"
}  // namespace DllExports
}  // namespace Gdiplus
