#include "ui/win32/skinned_list.h"

#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/win32/handles.h"
#include "ui/list_looks.h"
#include "ui/win32/control_colours_win32.h"

namespace qv::win {
namespace {

constexpr int kTextIndent = 5;    // past the choice bar
constexpr int kChoiceBarWidth = 3;
constexpr int kMinBarWidth = 6;   // the scroll bar: half an entry high, at least this
constexpr int kMinThumb = 10;

// What a skinned list keeps besides the list box's own state; it lives in GWLP_USERDATA
// from MakeSkinnedList until WM_NCDESTROY.
struct ListState {
  WNDPROC original = nullptr;
  ListColours colours;
  std::optional<int> current;
  int hot = -1;          // the entry under the pointer
  bool leaveAsked = false;
  int shownTop = -1;     // the first entry when the scroll bar was last drawn
  std::optional<int> grip;  // while the thumb is dragged: the pointer's offset into it
};

// The messages after which the list may show other entries: the bar must follow them.
bool MayScroll(UINT message) {
  switch (message) {
    case WM_VSCROLL: case WM_MOUSEWHEEL: case WM_KEYDOWN: case WM_CHAR: case WM_LBUTTONDOWN:
    case WM_MOUSEMOVE: case WM_TIMER: case WM_SIZE: case LB_SETTOPINDEX: case LB_SETCURSEL:
    case LB_SETCARETINDEX: case LB_SELECTSTRING: case LB_DELETESTRING: case LB_RESETCONTENT:
      return true;
    default:
      return false;
  }
}

ListState* StateOf(HWND list) { return reinterpret_cast<ListState*>(GetWindowLongPtrW(list, GWLP_USERDATA)); }

Rgb FromColorRef(COLORREF colour) { return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)}; }

int ItemHeight(HWND list) { return std::max(1, static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0))); }

int ClientHeight(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  return client.bottom;
}

ListScroll ScrollOf(HWND list) {
  return ListScroll{static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)), ClientHeight(list) / ItemHeight(list),
                    static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0))};
}

bool NeedsBar(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)) * ItemHeight(list) > ClientHeight(list);
}

int BarWidth(HWND list) { return std::max(kMinBarWidth, ItemHeight(list) / 2); }

// The bar beside the client area, in the list's client coordinates.
RECT BarRect(HWND list) {
  RECT client{};
  GetClientRect(list, &client);
  return RECT{client.right, 0, client.right + BarWidth(list), client.bottom};
}

void Fill(HDC dc, const RECT& rect, Rgb colour) {
  UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
  FillRect(dc, &rect, brush.get());
}

void PaintBar(HWND list, ListState& state) {
  state.shownTop = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  if (!NeedsBar(list)) return;
  // Client coordinates to the frame's: the client area's corner inside the window.
  POINT origin{0, 0};
  ClientToScreen(list, &origin);
  RECT window{};
  GetWindowRect(list, &window);
  RECT bar = BarRect(list);
  OffsetRect(&bar, origin.x - window.left, origin.y - window.top);
  const ScrollLook look = ScrollLookOf(state.colours);
  UniqueWindowFrameDc dc(list);
  Fill(dc.get(), bar, look.track);
  const int track = bar.bottom - bar.top;
  if (const std::optional<Thumb> thumb = ThumbOf(ScrollOf(list), track, kMinThumb)) {
    Fill(dc.get(), RECT{bar.left + 1, bar.top + thumb->start, bar.right - 1, bar.top + thumb->start + thumb->length},
         look.thumb);
  }
}

void InvalidateItem(HWND list, int item) {
  RECT rect{};
  if (item >= 0 && SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&rect)) != LB_ERR) {
    InvalidateRect(list, &rect, FALSE);
  }
}

void SetHot(HWND list, ListState& state, int item) {
  if (item == state.hot) return;
  InvalidateItem(list, state.hot);
  InvalidateItem(list, item);
  state.hot = item;
}

void TrackPointer(HWND list, ListState& state, LPARAM position) {
  const LRESULT hit = SendMessageW(list, LB_ITEMFROMPOINT, 0, position);
  SetHot(list, state, HIWORD(hit) == 0 ? static_cast<int>(LOWORD(hit)) : -1);
  if (state.leaveAsked) return;
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof(track);
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = list;
  state.leaveAsked = TrackMouseEvent(&track) != FALSE;
}

// A press in the bar, in client coordinates: on the thumb it starts a drag, elsewhere on the
// track it pages.
void PressBar(HWND list, ListState& state, POINT at) {
  const ListScroll scroll = ScrollOf(list);
  const int track = ClientHeight(list);
  const std::optional<Thumb> thumb = ThumbOf(scroll, track, kMinThumb);
  if (!thumb) return;
  if (at.y >= thumb->start && at.y < thumb->start + thumb->length) {
    state.grip = at.y - thumb->start;
    SetCapture(list);
    return;
  }
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(TopAfterTrackPress(scroll, track, kMinThumb, at.y)), 0);
}

void DragThumb(HWND list, const ListState& state, LPARAM position) {
  const int start = GET_Y_LPARAM(position) - *state.grip;
  const int top = TopForThumbAt(ScrollOf(list), ClientHeight(list), kMinThumb, start);
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
}

bool InBar(HWND list, LPARAM screenPosition, POINT& client) {
  client = POINT{GET_X_LPARAM(screenPosition), GET_Y_LPARAM(screenPosition)};
  ScreenToClient(list, &client);
  const RECT bar = BarRect(list);
  return NeedsBar(list) && PtInRect(&bar, client);
}

// Messages the skin takes over before the list box sees them; none: the list box's turn.
std::optional<LRESULT> BeforeListBox(HWND list, ListState& state, UINT message, LPARAM lParam) {
  POINT at{};
  switch (message) {
    case WM_NCHITTEST:
      // Anything but a scroll bar part: the system must not track a bar the window lacks.
      if (InBar(list, lParam, at)) return HTBORDER;
      return std::nullopt;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!InBar(list, lParam, at)) return std::nullopt;
      PressBar(list, state, at);
      return 0;
    case WM_MOUSEMOVE:
      if (!state.grip) return std::nullopt;
      DragThumb(list, state, lParam);
      return 0;
    case WM_LBUTTONUP:
      if (!state.grip) return std::nullopt;
      ReleaseCapture();  // WM_CAPTURECHANGED ends the drag
      return 0;
    case WM_CAPTURECHANGED:
      if (!state.grip) return std::nullopt;
      state.grip.reset();
      return 0;
    case WM_MOUSELEAVE:
      state.leaveAsked = false;
      SetHot(list, state, -1);
      return 0;
    default:
      return std::nullopt;
  }
}

LRESULT AfterListBox(HWND list, ListState& state, UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) {
  switch (message) {
    case WM_NCCALCSIZE:
      if (NeedsBar(list)) {
        RECT& client = wParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : *reinterpret_cast<RECT*>(lParam);
        client.right = std::max(client.left, client.right - BarWidth(list));
      }
      return result;
    case WM_NCPAINT:
      PaintBar(list, state);
      return result;
    case WM_MOUSEMOVE:
      TrackPointer(list, state, lParam);
      break;
    default:
      break;
  }
  // Whatever scrolled the list (the wheel, the keyboard, a selection, LB_SETTOPINDEX), the
  // bar follows.
  if (MayScroll(message) && static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)) != state.shownTop) {
    PaintBar(list, state);
  }
  return result;
}

int FontHeight(HWND list);

LRESULT CALLBACK SkinnedListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  ListState* state = StateOf(list);
  if (!state) return DefWindowProcW(list, message, wParam, lParam);
  const WNDPROC original = state->original;
  if (message == WM_NCDESTROY) {
    const std::unique_ptr<ListState> owned(state);
    SetWindowLongPtrW(list, GWLP_USERDATA, 0);
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    return CallWindowProcW(original, list, message, wParam, lParam);
  }
  if (const std::optional<LRESULT> taken = BeforeListBox(list, *state, message, lParam)) return *taken;
  const LRESULT result = CallWindowProcW(original, list, message, wParam, lParam);
  if (message == WM_SETFONT) {
    // A fixed owner-drawn list measures its entries once, at creation: a font for another
    // scale brings its height here, and the bar its width.
    SendMessageW(list, LB_SETITEMHEIGHT, 0, FontHeight(list));
    SettleSkinnedList(list);
  }
  return AfterListBox(list, *state, message, wParam, lParam, result);
}

// The colours the parent gives its lists, asked once on a scratch context.
ListColours ParentListColours(HWND list, Rgb accent) {
  UniqueMemoryDc scratch(CreateCompatibleDC(nullptr));
  SendMessageW(GetParent(list), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(scratch.get()),
               reinterpret_cast<LPARAM>(list));
  const Rgb background = FromColorRef(GetBkColor(scratch.get())), text = FromColorRef(GetTextColor(scratch.get()));
  return ListColours{background, text, ListAccent(background, text, accent)};
}

int FontHeight(HWND list) {
  UniqueWindowDc dc(list);
  ScopedSelect font(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc.get(), &metrics);
  return std::max(1, static_cast<int>(metrics.tmHeight));
}

}  // namespace

void MakeSkinnedList(HWND list, Rgb accent, std::optional<int> current) {
  // The height a plain list box gives its entries in this font.
  SendMessageW(list, LB_SETITEMHEIGHT, 0, FontHeight(list));
  auto state = std::make_unique<ListState>();
  state->colours = ParentListColours(list, accent);
  state->current = current;
  SetWindowLongPtrW(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.get()));
  state->original =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SkinnedListProc)));
  state.release();  // the list owns it now, until WM_NCDESTROY
}

namespace {

// The list ends under its last whole row: a row cut by the border would read as the last one.
void FitWholeRows(HWND list) {
  RECT client{}, outer{};
  GetClientRect(list, &client);
  GetWindowRect(list, &outer);
  const int item = ItemHeight(list);
  const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  const int rows = std::max(1, std::min(count, static_cast<int>(client.bottom / item)));
  const int excess = client.bottom - rows * item;
  if (excess <= 0) return;
  SetWindowPos(list, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top - excess,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void SettleSkinnedList(HWND list) {
  ListState* state = StateOf(list);
  if (!state) return;
  SetWindowPos(list, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitWholeRows(list);
  const ListScroll scroll = ScrollOf(list);
  if (state->current && *state->current >= scroll.visible) {
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(*state->current - scroll.visible / 2), 0);
  }
}

bool DrawSkinnedListItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_LISTBOX) return false;
  const ListState* state = StateOf(item.hwndItem);
  if (!state) return false;
  if (item.itemID == static_cast<UINT>(-1) || item.itemAction == ODA_FOCUS) return true;
  const int index = static_cast<int>(item.itemID);
  const bool highlighted = (item.itemState & ODS_SELECTED) != 0 || index == state->hot;
  const RowLook look = RowLookOf(state->colours, highlighted, state->current == index);
  Fill(item.hDC, item.rcItem, look.fill);
  if (look.choiceBar) {
    Fill(item.hDC, RECT{item.rcItem.left, item.rcItem.top + 1, item.rcItem.left + kChoiceBarWidth, item.rcItem.bottom - 1},
         state->colours.accent);
  }
  const LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
  if (length == LB_ERR) return true;
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  ScopedSelect font(item.hDC, reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, ToColorRef(look.text));
  RECT textRect = item.rcItem;
  textRect.left += kTextIndent;
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  return true;
}

}  // namespace qv::win
