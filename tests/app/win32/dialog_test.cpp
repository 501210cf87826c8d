#include "app/win32/dialog.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <functional>
#include <vector>

#include "resource.h"

namespace qv::win {
namespace {

constexpr UINT kEndMessage = WM_APP + 1;
constexpr UINT kCountedCommand = 4242;

// A sub-dialog template of the program, driven by messages it posts to itself.
class ScriptedDialog : public Dialog<ScriptedDialog> {
 public:
  explicit ScriptedDialog(std::vector<MSG> script) : Dialog(IDD_HOT_KEY), script_(std::move(script)) {}

  static std::span<const MessageEntry<ScriptedDialog>> MessageTable() {
    using D = ScriptedDialog;
    static constexpr MessageEntry<D> kTable[] = {
        OnCommand<D>(kCountedCommand, BN_CLICKED, &D::OnCounted),
        On<D>(WM_KEYDOWN, &D::OnKeyDown),
        On<D>(kEndMessage, &D::OnEnd),
    };
    return kTable;
  }

  int counted = 0;
  int otherCodes = 0;
  int keysDispatched = 0;
  int keysFiltered = 0;

 protected:
  BOOL OnInitDialog() override {
    for (const MSG& msg : script_) PostMessageW(hwnd(), msg.message, msg.wParam, msg.lParam);
    return TRUE;
  }
  bool PreTranslateMessage(MSG& msg) override {
    if (msg.message == WM_KEYDOWN && msg.wParam == 'F') {
      ++keysFiltered;
      return true;
    }
    return false;
  }
  MessageResult OnUnlistedMessage(UINT message, WPARAM wParam, LPARAM) override {
    if (message == WM_COMMAND && LOWORD(wParam) == kCountedCommand) ++otherCodes;
    return std::nullopt;
  }

 private:
  MessageResult OnCounted(WPARAM, LPARAM) {
    ++counted;
    return 0;
  }
  MessageResult OnKeyDown(WPARAM, LPARAM) {
    ++keysDispatched;
    return 0;
  }
  MessageResult OnEnd(WPARAM wParam, LPARAM) {
    EndDialog(static_cast<INT_PTR>(wParam));
    return 0;
  }

  std::vector<MSG> script_;
};

MSG Message(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  MSG msg{};
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  return msg;
}

TEST(DialogLayer, RoutesCommandsByIdAndCodeAndEndsWithTheGivenResult) {
  ScriptedDialog dialog({Message(WM_COMMAND, MAKEWPARAM(kCountedCommand, BN_CLICKED)),
                         Message(WM_COMMAND, MAKEWPARAM(kCountedCommand, BN_CLICKED)),
                         Message(WM_COMMAND, MAKEWPARAM(kCountedCommand, EN_CHANGE)),
                         Message(kEndMessage, 7)});
  EXPECT_EQ(dialog.DoModal(nullptr), 7);
  EXPECT_EQ(dialog.counted, 2);
  EXPECT_EQ(dialog.otherCodes, 1);
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(DialogLayer, TheFilterSeesQueuedMessagesBeforeDispatchAndCanSwallowThem) {
  ScriptedDialog dialog({Message(WM_KEYDOWN, 'F'), Message(WM_KEYDOWN, 'G'), Message(kEndMessage, 3)});
  EXPECT_EQ(dialog.DoModal(nullptr), 3);
  EXPECT_EQ(dialog.keysFiltered, 1);
  EXPECT_EQ(dialog.keysDispatched, 1);
}

TEST(DialogLayer, CancelEndsTheDialogByDefault) {
  ScriptedDialog dialog({Message(WM_COMMAND, IDCANCEL)});
  EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
}

TEST(DialogLayer, AMissingTemplateFailsWithoutAWindow) {
  class NoTemplate : public Dialog<NoTemplate> {
   public:
    NoTemplate() : Dialog(9999) {}
    static std::span<const MessageEntry<NoTemplate>> MessageTable() { return {}; }
  } dialog;
  EXPECT_EQ(dialog.DoModal(nullptr), -1);
}

// A dialog whose first posted step and whose answers are set by each test.
class StepDialog : public Dialog<StepDialog> {
 public:
  explicit StepDialog(UINT templateId) : Dialog(templateId) {}

  static std::span<const MessageEntry<StepDialog>> MessageTable() {
    using D = StepDialog;
    static constexpr MessageEntry<D> kTable[] = {
        On<D>(kStepMessage, &D::OnStep),       On<D>(kAnswerMessage, &D::OnAnswer),
        On<D>(WM_CTLCOLORDLG, &D::OnColour),   On<D>(WM_TIMER, &D::OnTimer),
        On<D>(WM_DESTROY, &D::OnDestroyed),    On<D>(WM_NCDESTROY, &D::OnNcDestroyed),
    };
    return kTable;
  }

  static constexpr UINT kStepMessage = WM_APP + 10;
  static constexpr UINT kAnswerMessage = WM_APP + 11;
  std::function<void(StepDialog&)> step;
  std::function<void(StepDialog&)> timer;
  int destroys = 0;
  int ncDestroys = 0;
  HWND destroyedWindow = nullptr;

 protected:
  BOOL OnInitDialog() override {
    PostMessageW(hwnd(), kStepMessage, 0, 0);
    return TRUE;
  }

 private:
  MessageResult OnStep(WPARAM, LPARAM) {
    if (step) step(*this);
    return 0;
  }
  MessageResult OnAnswer(WPARAM, LPARAM) { return 0x1234; }
  MessageResult OnColour(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)); }
  MessageResult OnTimer(WPARAM, LPARAM) {
    if (timer) timer(*this);
    return 0;
  }
  MessageResult OnDestroyed(WPARAM, LPARAM) {
    ++destroys;
    destroyedWindow = hwnd();
    return std::nullopt;
  }
  MessageResult OnNcDestroyed(WPARAM, LPARAM) {
    ++ncDestroys;
    return std::nullopt;
  }
};

// The window of this thread that the owner's modal child put up (the colour chooser).
HWND OwnedPopup(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search{owner, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        if (GetWindow(window, GW_OWNER) != s->owner || !IsWindowVisible(window)) return TRUE;
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST(DialogLayer, DestroyAndNcDestroyReachTheHandlersOnce) {
  StepDialog dialog(IDD_HOT_KEY);
  HWND window = nullptr;
  dialog.step = [&](StepDialog& d) {
    window = d.hwnd();
    d.EndDialog(IDOK);
  };
  EXPECT_EQ(dialog.DoModal(nullptr), IDOK);
  EXPECT_EQ(dialog.destroys, 1);
  EXPECT_EQ(dialog.ncDestroys, 1);
  EXPECT_EQ(dialog.destroyedWindow, window);  // still bound while it is destroyed
  EXPECT_FALSE(IsWindow(window));
}

TEST(DialogLayer, SomeResultsReturnDirectlyTheRestThroughTheMessageResult) {
  StepDialog dialog(IDD_HOT_KEY);
  LRESULT colour = 0;
  LRESULT answer = 0;
  dialog.step = [&](StepDialog& d) {
    colour = SendMessageW(d.hwnd(), WM_CTLCOLORDLG, 0, reinterpret_cast<LPARAM>(d.hwnd()));
    answer = SendMessageW(d.hwnd(), StepDialog::kAnswerMessage, 0, 0);
    d.EndDialog(IDOK);
  };
  dialog.DoModal(nullptr);
  EXPECT_EQ(colour, reinterpret_cast<LRESULT>(GetStockObject(GRAY_BRUSH)));
  EXPECT_EQ(answer, 0x1234);
}

// A sub-dialog over the main window, and the colour chooser over the sub-dialog: each
// returns and leaves its owner enabled and answering.
TEST(DialogLayer, NestedModalWindowsReturnAndLeaveTheirOwnersWorking) {
  StepDialog main(IDD_SKINS);
  StepDialog sub(IDD_HOT_KEY);
  BOOL colourChosen = TRUE;
  bool subEnabledAfter = false;
  bool mainDisabledDuring = false;
  bool mainEnabledAfter = false;
  LRESULT mainAnswerAfter = 0;
  sub.timer = [&](StepDialog& d) {  // runs inside the colour chooser's own loop
    if (HWND chooser = OwnedPopup(d.hwnd())) {
      KillTimer(d.hwnd(), 1);
      PostMessageW(chooser, WM_COMMAND, IDCANCEL, 0);
    }
  };
  sub.step = [&](StepDialog& d) {
    mainDisabledDuring = !IsWindowEnabled(main.hwnd());
    COLORREF custom[16] = {};
    CHOOSECOLORW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = d.hwnd();
    choose.lpCustColors = custom;
    SetTimer(d.hwnd(), 1, 200, nullptr);
    colourChosen = ChooseColorW(&choose);
    subEnabledAfter = IsWindowEnabled(d.hwnd()) && SendMessageW(d.hwnd(), StepDialog::kAnswerMessage, 0, 0) == 0x1234;
    d.EndDialog(21);
  };
  INT_PTR subResult = 0;
  main.step = [&](StepDialog& d) {
    subResult = sub.DoModal(d.hwnd());
    mainEnabledAfter = IsWindowEnabled(d.hwnd()) != FALSE;
    mainAnswerAfter = SendMessageW(d.hwnd(), StepDialog::kAnswerMessage, 0, 0);
    d.EndDialog(12);
  };
  EXPECT_EQ(main.DoModal(nullptr), 12);
  EXPECT_EQ(subResult, 21);
  EXPECT_FALSE(colourChosen);  // cancelled by the timer
  EXPECT_TRUE(mainDisabledDuring);
  EXPECT_TRUE(subEnabledAfter);
  EXPECT_TRUE(mainEnabledAfter);
  EXPECT_EQ(mainAnswerAfter, 0x1234);
}

TEST(DialogLayer, AQuitPostedInANestedLoopEndsEveryLoopAndStaysQueued) {
  StepDialog main(IDD_SKINS);
  StepDialog sub(IDD_HOT_KEY);
  sub.step = [](StepDialog&) { PostQuitMessage(5); };
  main.step = [&](StepDialog& d) { sub.DoModal(d.hwnd()); };
  main.DoModal(nullptr);
  EXPECT_EQ(main.hwnd(), nullptr);
  EXPECT_EQ(sub.destroys, 1);
  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 5u);
}

}  // namespace
}  // namespace qv::win
