#include "app/win32/skin_accessible.h"

#include <string>

#include "ui/win32/window_scale.h"

namespace qv::win {
namespace {

// Spelled out: with a static MinGW link the library's IID_IAccessible is an import thunk.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

LONG RoleOf(ControlRole role) {
  switch (role) {
    case ControlRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
    case ControlRole::DropDown: return ROLE_SYSTEM_BUTTONDROPDOWN;
    case ControlRole::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
    case ControlRole::Slider: return ROLE_SYSTEM_SLIDER;
    case ControlRole::CheckBox: return ROLE_SYSTEM_CHECKBUTTON;
    case ControlRole::Link: return ROLE_SYSTEM_LINK;
    case ControlRole::Text: return ROLE_SYSTEM_TEXT;
    case ControlRole::KeyField: return ROLE_SYSTEM_HOTKEYFIELD;
    case ControlRole::List: return ROLE_SYSTEM_LIST;
  }
  return ROLE_SYSTEM_PUSHBUTTON;
}

HRESULT Answer(const std::u16string& text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (text.empty()) return S_FALSE;
  *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  return *out ? S_OK : E_OUTOFMEMORY;
}

void SetChild(VARIANT* out, LONG child) {
  VariantInit(out);
  out->vt = VT_I4;
  out->lVal = child;
}

}  // namespace

class SkinAccessible final : public IAccessible {
 public:
  SkinAccessible(HWND window, AccessibleSource& source) : window_(window), source_(&source) {}
  void Detach() { source_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == kIidAccessible) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  // IDispatch: no type information; readers use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count) *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    if (!source_) return CO_E_OBJNOTCONNECTED;
    *count = static_cast<LONG>(source_->AccessibleControls().size());
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override {
    if (!child) return E_POINTER;
    *child = nullptr;
    return S_FALSE;  // every control is a simple element of this object
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    return Read(child, name, [&](const AccessibleControl* c) { return c ? c->name : source_->AccessibleName(); });
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return Read(child, value, [](const AccessibleControl* c) { return c ? c->value : std::u16string(); });
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Answer({}, text); }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(child, controls, c); FAILED(hr)) return hr;
    SetChild(role, c ? RoleOf(c->role) : ROLE_SYSTEM_CLIENT);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(child, controls, c); FAILED(hr)) return hr;
    LONG bits = 0;
    if (c) {
      // Under a modal dialog the window is disabled: its controls can be read, not used.
      bits = IsWindowEnabled(window_) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
      if (c->selected) bits |= STATE_SYSTEM_SELECTED;
      if (c->checked && c->role != ControlRole::Slider) bits |= STATE_SYSTEM_CHECKED;
      const std::optional<int> focused = source_->FocusedControl();
      if (focused && *focused == child.lVal - 1) bits |= STATE_SYSTEM_FOCUSED;
    } else if (GetFocus() == window_) {
      bits = STATE_SYSTEM_FOCUSED;
    }
    SetChild(state, bits);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return Answer({}, text); }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG*) override { return Answer({}, file); }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* text) override { return Answer({}, text); }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    if (!source_) return CO_E_OBJNOTCONNECTED;
    const std::optional<int> focused = source_->FocusedControl();
    SetChild(focus, focused ? *focused + 1 : CHILDID_SELF);
    if (!focused && GetFocus() != window_) focus->vt = VT_EMPTY;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return Read(child, action, [](const AccessibleControl* c) { return c ? c->action : std::u16string(); });
  }
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(child, controls, c); FAILED(hr)) return hr;
    if (!c || !(flags & SELFLAG_TAKEFOCUS)) return S_FALSE;
    if (!IsWindowEnabled(window_)) return E_ACCESSDENIED;
    source_->FocusControl(child.lVal - 1);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(child, controls, c); FAILED(hr)) return hr;
    RECT area{};
    if (c) {
      area = ToRect(ToScreen(c->rect, ScaleOfWindow(window_)));
    } else {
      GetClientRect(window_, &area);
    }
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&area), 2);
    *left = area.left;
    *top = area.top;
    *width = area.right - area.left;
    *height = area.bottom - area.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(start, controls, c); FAILED(hr)) return hr;
    const LONG count = static_cast<LONG>(controls.size());
    LONG to = 0;
    switch (direction) {
      case NAVDIR_FIRSTCHILD: to = c ? 0 : 1; break;
      case NAVDIR_LASTCHILD: to = c ? 0 : count; break;
      case NAVDIR_NEXT: to = c ? start.lVal + 1 : 0; break;
      case NAVDIR_PREVIOUS: to = c ? start.lVal - 1 : 0; break;
      default: return E_NOTIMPL;
    }
    if (to < 1 || to > count) return S_FALSE;
    SetChild(end, to);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    VariantInit(hit);
    if (!source_) return CO_E_OBJNOTCONNECTED;
    POINT point{x, y};
    ScreenToClient(window_, &point);
    RECT client{};
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) return S_FALSE;
    const std::vector<AccessibleControl> controls = source_->AccessibleControls();
    const DisplayScale scale = ScaleOfWindow(window_);
    const int skinX = ToSkin(point.x, scale);
    const int skinY = ToSkin(point.y, scale);
    LONG child = CHILDID_SELF;
    for (size_t i = 0; i < controls.size(); ++i) {
      if (controls[i].rect.Contains(skinX, skinY)) child = static_cast<LONG>(i) + 1;
    }
    SetChild(hit, child);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(child, controls, c); FAILED(hr)) return hr;
    if (!c) return DISP_E_MEMBERNOTFOUND;
    if (!IsWindowEnabled(window_)) return E_ACCESSDENIED;  // a modal dialog is open over it
    // Posted: the press may run a modal dialog, which must not run inside the reader's call.
    PostMessageW(window_, kAccessiblePressMessage, static_cast<WPARAM>(child.lVal - 1), 0);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  // The control a VARIANT names: none for the window itself (CHILDID_SELF).
  HRESULT Find(const VARIANT& child, std::vector<AccessibleControl>& controls, const AccessibleControl*& found) {
    if (!source_) return CO_E_OBJNOTCONNECTED;
    if (child.vt != VT_I4) return E_INVALIDARG;
    found = nullptr;
    if (child.lVal == CHILDID_SELF) return S_OK;
    controls = source_->AccessibleControls();
    if (child.lVal < 1 || child.lVal > static_cast<LONG>(controls.size())) return E_INVALIDARG;
    found = &controls[static_cast<size_t>(child.lVal - 1)];
    return S_OK;
  }
  template <typename Text>
  HRESULT Read(const VARIANT& child, BSTR* out, Text text) {
    if (!out) return E_POINTER;
    *out = nullptr;
    std::vector<AccessibleControl> controls;
    const AccessibleControl* c = nullptr;
    if (const HRESULT hr = Find(child, controls, c); FAILED(hr)) return hr;
    return Answer(text(c), out);
  }

  LONG refs_ = 1;
  HWND window_;
  AccessibleSource* source_;
};

WindowAccessible::~WindowAccessible() { Detach(); }

void WindowAccessible::Detach() {
  if (skin_) skin_->Detach();
  skin_ = nullptr;
  object_.reset();
}

std::optional<LRESULT> WindowAccessible::OnGetObject(HWND window, AccessibleSource& source, WPARAM wParam,
                                                     LPARAM lParam) {
  if (static_cast<LONG>(lParam) != OBJID_CLIENT) return std::nullopt;
  if (!object_) {
    skin_ = new SkinAccessible(window, source);
    object_.reset(skin_);
  }
  return LresultFromObject(kIidAccessible, wParam, object_.get());
}

void NotifyFocus(HWND window, int index) { NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, index + 1); }

void ChangeAnnouncer::AfterMessage(HWND window, AccessibleSource& source, UINT message) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEWHEEL:
    case WM_COMMAND:
    case kAccessiblePressMessage:
      Announce(window, source);
      break;
    default:
      break;
  }
}

void ChangeAnnouncer::Announce(HWND window, AccessibleSource& source) {
  if (!IsWindow(window)) return;
  std::vector<AccessibleControl> now = source.AccessibleControls();
  if (started_ && now.size() != told_.size()) NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
  if (started_) {
    for (const AccessibleChange& change : ChangesBetween(told_, now)) {
      const LONG child = change.index + 1;
      if (change.name) NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, child);
      if (change.value) NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, child);
      if (change.state) NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, child);
    }
  }
  told_ = std::move(now);
  started_ = true;
}

}  // namespace qv::win
