#pragma once
// A small dialog layer: one class per window, a table from message (and control id and
// notification code) to handler, and a modal loop that lets the window filter messages
// before they are dispatched.
#include <windows.h>

#include <optional>
#include <span>

namespace qv::win {

using MessageResult = std::optional<LRESULT>;  // nullopt: let the dialog's default handling run

class DialogWindow {
 public:
  explicit DialogWindow(UINT templateId) : templateId_(templateId) {}
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Creates the window from its template and runs it until EndDialog; answers the result,
  // or -1 when the window could not be created.
  INT_PTR DoModal(HWND owner);
  void EndDialog(INT_PTR result);
  HWND hwnd() const { return hwnd_; }

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  // Runs on every queued message for this window or its children before dispatch; true
  // means the message has been handled and is not dispatched.
  virtual bool PreTranslateMessage(MSG& /*msg*/) { return false; }
  // Runs after every queued message for this window or its children has been handled,
  // filtered or dispatched: what it changed can be told.
  virtual void AfterQueuedMessage(const MSG& /*msg*/) {}
  virtual MessageResult Dispatch(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Enter and Esc arrive as IDOK and IDCANCEL; by default they end the dialog.
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Sub-dialogs are shown by the loop; a window whose template is visible shows itself.
  virtual bool ShowWhenCreated() const { return true; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Route(UINT message, WPARAM wParam, LPARAM lParam);
  bool Filter(MSG& msg);

  UINT templateId_;
  HWND hwnd_ = nullptr;
  bool ended_ = false;
  INT_PTR result_ = IDCANCEL;
};

inline constexpr UINT kAnyId = 0xFFFFFFFF;
inline constexpr UINT kAnyCode = 0xFFFFFFFF;

template <typename Derived>
struct MessageEntry {
  UINT message;
  UINT id;    // WM_COMMAND: control id; kAnyId otherwise
  UINT code;  // WM_COMMAND: notification code; kAnyCode otherwise
  MessageResult (Derived::*handler)(WPARAM, LPARAM);
};

template <typename Derived>
constexpr MessageEntry<Derived> On(UINT message, MessageResult (Derived::*handler)(WPARAM, LPARAM)) {
  return {message, kAnyId, kAnyCode, handler};
}
template <typename Derived>
constexpr MessageEntry<Derived> OnCommand(UINT id, UINT code, MessageResult (Derived::*handler)(WPARAM, LPARAM)) {
  return {WM_COMMAND, id, code, handler};
}

// Derived provides `static std::span<const MessageEntry<Derived>> MessageTable();`.
template <typename Derived>
class Dialog : public DialogWindow {
 public:
  using DialogWindow::DialogWindow;

 protected:
  // Messages whose number is only known at run time (registered messages).
  virtual MessageResult OnUnlistedMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }

 private:
  MessageResult Dispatch(UINT message, WPARAM wParam, LPARAM lParam) final {
    for (const auto& entry : Derived::MessageTable()) {
      if (entry.message != message) continue;
      if (message == WM_COMMAND) {
        if (entry.id != kAnyId && entry.id != LOWORD(wParam)) continue;
        if (entry.code != kAnyCode && entry.code != HIWORD(wParam)) continue;
      }
      return (static_cast<Derived*>(this)->*entry.handler)(wParam, lParam);
    }
    return OnUnlistedMessage(message, wParam, lParam);
  }
};

}  // namespace qv::win
