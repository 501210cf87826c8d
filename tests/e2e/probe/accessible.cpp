// The probe's screen reader: what MSAA tells of a window's client area, one line per child,
// "<role> <state hex> <name>", read through AccessibleObjectFromWindow and
// AccessibleChildren as a reader in another process reads it.
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

void PrintChild(IAccessible* object, const VARIANT& child) {
  BSTR name = nullptr;
  VARIANT role, state;
  VariantInit(&role);
  VariantInit(&state);
  object->get_accName(child, &name);
  object->get_accRole(child, &role);
  object->get_accState(child, &state);
  std::printf("%ld %lx %s\n", VariantLong(role), static_cast<unsigned long>(VariantLong(state)),
              name ? Utf8(name, SysStringLen(name)).c_str() : "");
  SysFreeString(name);
}

}  // namespace

// Answers 0 when the object and its children could be read, 1 otherwise.
int PrintAccessible(HWND window) {
  if (FAILED(CoInitialize(nullptr))) return 1;
  IAccessible* object = nullptr;
  int rc = 1;
  if (SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                           reinterpret_cast<void**>(&object))) && object) {
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
