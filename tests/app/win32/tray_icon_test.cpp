#include "app/win32/tray_icon.h"

#include <gtest/gtest.h>

namespace qv::win {
namespace {

// Whether the shell still knows an icon with this owner and identifier: modifying one
// that is not there fails.
bool ShellHasIcon(HWND owner) {
  NOTIFYICONDATAW probe{};
  probe.cbSize = kNotifyIconDataSize;
  probe.hWnd = owner;
  probe.uID = 1;
  probe.uFlags = NIF_TIP;
  wcscpy(probe.szTip, L"probe");
  return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

class TrayIconTest : public testing::Test {
 protected:
  void SetUp() override {
    owner_ = CreateWindowExW(0, L"STATIC", L"tray owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override { DestroyWindow(owner_); }

  HWND owner_ = nullptr;
  HICON icon_ = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
};

TEST_F(TrayIconTest, AddsShowsNoticesAndDeletesOnce) {
  TrayIcon tray;
  tray.Add(owner_, icon_);
  EXPECT_TRUE(ShellHasIcon(owner_));
  tray.Show(Notice{u"Switch to key matrix 1", u"Info", 5000});
  EXPECT_TRUE(ShellHasIcon(owner_));
  tray.Delete();
  EXPECT_FALSE(ShellHasIcon(owner_));
  tray.Delete();  // a second delete, as WM_DESTROY after Exit would, is harmless
  EXPECT_FALSE(ShellHasIcon(owner_));
}

TEST_F(TrayIconTest, RestorePutsTheIconBackAfterTheShellLostIt) {
  TrayIcon tray;
  tray.Add(owner_, icon_);
  NOTIFYICONDATAW lost{};
  lost.cbSize = kNotifyIconDataSize;
  lost.hWnd = owner_;
  lost.uID = 1;
  Shell_NotifyIconW(NIM_DELETE, &lost);  // what a shell restart does to every icon
  ASSERT_FALSE(ShellHasIcon(owner_));
  tray.Restore();
  EXPECT_TRUE(ShellHasIcon(owner_));
}

TEST_F(TrayIconTest, NothingReachesTheShellBeforeTheIconIsAddedOrAfterItIsDeleted) {
  TrayIcon tray;
  tray.Show(Notice{u"text", u"Info", 100});
  tray.Restore();
  EXPECT_FALSE(ShellHasIcon(owner_));
  tray.Add(owner_, icon_);
  tray.Delete();
  tray.Restore();
  EXPECT_FALSE(ShellHasIcon(owner_));
}

}  // namespace
}  // namespace qv::win
