// The hot key, media and Windows key dialogs on real windows with the shipped skin: Enter
// and Esc end them as a person expects, and a thousand openings of each leave the
// process's GDI objects and windows where they were.
#include "app/win32/key_dialogs_win32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "common/text.h"
#include "common/win32/handles.h"
#include "ui/layout.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/gui_objects.h"

namespace qv::win {
namespace {

std::u16string SkinFolder(std::u16string_view skin) {  // QV_DIST_DIR is a host path; Wine shows it on Z:
  std::u16string folder = u"Z:" + FromUtf8(QV_DIST_DIR) + u"/Skins/" + std::u16string(skin);
  std::replace(folder.begin(), folder.end(), u'/', u'\\');
  return folder;
}

// What the next sub-dialog of this thread receives once it is shown. A thread timer runs
// inside the dialog's own modal loop, so it can act on the window the loop serves.
std::vector<MSG> gScript;

HWND ShownSubDialog() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM out) {
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        if (lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(out) = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK PlayScript(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = ShownSubDialog();
  if (!dialog) return;
  KillTimer(nullptr, timer);
  // Paint it as the screen would, with its display's colours, before the input arrives.
  RedrawWindow(dialog, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  for (const MSG& msg : gScript) PostMessageW(dialog, msg.message, msg.wParam, msg.lParam);
}

MSG Key(UINT key) { return MSG{nullptr, WM_KEYDOWN, key, 1, 0, {}}; }
MSG Press(const layout::Rect& rect) {
  return MSG{nullptr, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.left + 2, rect.top + 2), 0, {}};
}
MSG Move(const layout::Rect& rect) { return MSG{nullptr, WM_MOUSEMOVE, 0, MAKELPARAM(rect.left + 2, rect.top + 2), 0, {}}; }

struct Fixture {
  GdiplusSession gdiplus;
  UniqueWindow owner{CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 888, 668, nullptr, nullptr,
                                     GetModuleHandleW(nullptr), nullptr)};

  template <typename Answer>
  Answer Run(Answer (KeyDialogs::*run)(), std::vector<MSG> script, Language language = Language::English) {
    gScript = std::move(script);
    SetTimer(nullptr, 0, 1, PlayScript);
    Win32KeyDialogs dialogs(owner.get(), SubDialogContext{SkinFolder(u"Carbon"), language, Rgb{230, 230, 230}}, 0);
    return (dialogs.*run)();
  }
};

using RunDialog = std::optional<Choice> (KeyDialogs::*)();
struct DialogCase {
  RunDialog run;
  const char16_t* first;
};
const DialogCase kDialogs[] = {
    {&KeyDialogs::RunHotKey, u"Copy"},
    {&KeyDialogs::RunMedia, u"Next"},
    {&KeyDialogs::RunWindows, u"Multimedia Player"},
};

TEST(KeyDialogs, EnterAnswersTheFirstEntryAndEscAnswersNothing) {
  Fixture fixture;
  ASSERT_TRUE(fixture.gdiplus.Started() && fixture.owner);
  for (const DialogCase& dialog : kDialogs) {
    EXPECT_EQ(fixture.Run(dialog.run, {Key(VK_RETURN)}), (Choice{0, dialog.first}));
    EXPECT_EQ(fixture.Run(dialog.run, {Key(VK_ESCAPE)}), std::nullopt);
  }
}

TEST(KeyDialogs, AThousandOpeningsOfEachLeaveNoObjectsWindowsOrMemoryBehind) {
  Fixture fixture;
  ASSERT_TRUE(fixture.gdiplus.Started() && fixture.owner);
  // Open the list, hover OK, close the list with a press beside it, open it again and
  // leave with the close button: the list, the fields and the brush come and go.
  const auto script = [](const layout::Rect& selector) {
    return std::vector<MSG>{Press(selector), Move(layout::dialog::kOk), Press(layout::Rect{5, 40, 10, 45}),
                            Press(selector), Press(layout::dialog::kClose)};
  };
  const auto openAll = [&] {
    for (const DialogCase& dialog : kDialogs) {
      EXPECT_EQ(fixture.Run(dialog.run, script(layout::hot_key_dialog::kSelector)), std::nullopt);
    }
    EXPECT_EQ(fixture.Run(&KeyDialogs::RunSnipe, script(layout::snipe_dialog::kSelector)), std::nullopt);
    EXPECT_EQ(fixture.Run(&KeyDialogs::RunFire, script(layout::fire_dialog::kSelector)), std::nullopt);
  };
  openAll();  // the system's own caches are filled now
  const int gdi = test::GdiObjectCount();
  const int user = test::UserObjectCount();
  const int windows = test::ThreadWindowCount();
  const size_t privateBytes = test::PrivateBytes();
  for (int i = 0; i < 1000; ++i) openAll();
  EXPECT_EQ(test::GdiObjectCount(), gdi);
  EXPECT_EQ(test::UserObjectCount(), user);
  EXPECT_EQ(test::ThreadWindowCount(), windows);
  // The heap keeps some of what it once held; a leak per opening would be far beyond this.
  EXPECT_LT(test::PrivateBytes(), privateBytes + 2 * 1024 * 1024);
}

}  // namespace
}  // namespace qv::win
