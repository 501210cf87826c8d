#include "app/win32/dialog.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace qv::win
