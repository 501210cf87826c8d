#include "app/win32/velmo_dlg.h"

#include <dbt.h>

#include <array>
#include <utility>

#include "app/notices.h"
#include "app/win32/close_question_win32.h"
#include "app/tray_logic.h"
#include "ui/pre_dispatch.h"
#include "common/win32/wide.h"
#include "model/dpi_tables.h"
#include "config/mouse_settings.h"
#include "config/settings.h"
#include "device/win32/platform_hid_bus.h"
#include "device/win32/setupapi_hid_bus.h"
#include "resource.h"
#include "ui/win32/mem_dc.h"
#include "ui/win32/window_place.h"

namespace qv::win {

CVelmoDlg::CVelmoDlg(AppState& state)
    : Dialog(IDD_MAIN),
      state_(state),
      bus_(CreatePlatformHidBus()),
      link_(std::make_unique<DeviceLink>(*bus_, state_, messageBoxes_, &trace_)),
      mouse_(std::make_unique<MouseProtocol>(*link_, state_, messageBoxes_, pause_, &trace_)) {
  icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_APP));
  state_.connected = 0;
  state_.display.textColour = TextColour{};
}

DeviceContext CVelmoDlg::Devices() { return DeviceContext{*link_, *mouse_, state_, *this, transferLock_}; }

CVelmoDlg::~CVelmoDlg() = default;

std::span<const MessageEntry<CVelmoDlg>> CVelmoDlg::MessageTable() {
  using D = CVelmoDlg;
  static constexpr MessageEntry<D> kTable[] = {
      On<D>(WM_CLOSE, &D::OnClose),
      On<D>(WM_QUERYDRAGICON, &D::OnQueryDragIcon),
      On<D>(WM_PAINT, &D::OnPaint),
      On<D>(WM_NCPAINT, &D::OnNcPaint),
      On<D>(WM_ERASEBKGND, &D::OnEraseBackground),
      On<D>(kTrayCallbackMessage, &D::OnTrayCallback),
      On<D>(kNoticeMessage, &D::OnNotice),
      OnCommand<D>(kExitCommand, kAnyCode, &D::OnExitCommand),
      OnCommand<D>(kFirstLanguageCommand, kAnyCode, &D::OnLanguageCommand),
      OnCommand<D>(kFirstLanguageCommand + 1, kAnyCode, &D::OnLanguageCommand),
      OnCommand<D>(kFirstLanguageCommand + 2, kAnyCode, &D::OnLanguageCommand),
      On<D>(WM_DESTROY, &D::OnDestroy),
      On<D>(WM_DEVICECHANGE, &D::OnDeviceChange),
      On<D>(WM_TIMER, &D::OnTimer),
      On<D>(WM_DPICHANGED, &D::OnDpiChanged),
      On<D>(WM_GETOBJECT, &D::OnGetObject),
      On<D>(kAccessiblePressMessage, &D::OnAccessiblePress),
      On<D>(WM_LBUTTONDOWN, &D::OnLButtonDown),
      // The dialog class counts a second press soon after the first as a double click; on
      // skinned buttons and arrows it is a second press, never a lost one.
      On<D>(WM_LBUTTONDBLCLK, &D::OnLButtonDown),
      On<D>(WM_MOUSEMOVE, &D::OnMouseMove),
      On<D>(WM_MOUSEHOVER, &D::OnMouseHover),
      On<D>(WM_MOUSELEAVE, &D::OnMouseLeave),
      On<D>(WM_CTLCOLOREDIT, &D::OnCtlColorEdit),
      On<D>(WM_CTLCOLORLISTBOX, &D::OnCtlColorListBox),
      On<D>(WM_DRAWITEM, &D::OnDrawItem),
      On<D>(WM_CTLCOLORBTN, &D::OnCtlColorButton),
      On<D>(WM_CTLCOLORSTATIC, &D::OnCtlColorStatic),
      // Key lists 41..48 and the LED lists 60..62 take a click and a double click alike.
      OnCommand<D>(KeyListId(1), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(1), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(2), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(2), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(3), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(3), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(4), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(4), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(5), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(5), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(6), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(6), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(7), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(7), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(8), LBN_SELCHANGE, &D::OnKeyListSelect),
      OnCommand<D>(KeyListId(8), LBN_DBLCLK, &D::OnKeyListSelect),
      OnCommand<D>(kDpiSubListId, LBN_SELCHANGE, &D::OnDpiSubListSelect),
      OnCommand<D>(LedListId(0), LBN_SELCHANGE, &D::OnLedModeSelect),
      OnCommand<D>(LedListId(0), LBN_DBLCLK, &D::OnLedModeSelect),
      OnCommand<D>(LedListId(1), LBN_SELCHANGE, &D::OnLedParameterSelect),
      OnCommand<D>(LedListId(1), LBN_DBLCLK, &D::OnLedParameterSelect),
      OnCommand<D>(LedListId(2), LBN_SELCHANGE, &D::OnLedEffectSelect),
      OnCommand<D>(LedListId(2), LBN_DBLCLK, &D::OnLedEffectSelect),
  };
  return kTable;
}

BOOL CVelmoDlg::OnInitDialog() {
  if (!TakeSingleInstance()) ExitProcess(0);
  messageBoxes_.SetOwner(hwnd());
  controls_.SetOwner(hwnd());
  LeaveDpiChangesToTheDialog(hwnd());
  scale_ = ScaleOfWindow(hwnd());
  controls_.SetScale(scale_);
  SetWindowIcons();
  MakeToolWindow();
  taskbarCreatedMessage_ = RegisterWindowMessageW(L"TaskbarCreated");
  AllowMessagesFromOtherPrograms();
  trayIcon_ = LoadTrayIconImage(GetModuleHandleW(nullptr), IDI_APP);
  tray_.Add(hwnd(), trayIcon_ ? trayIcon_.get() : icon_);

  // The notices of the device read speak the user's language, which is only read with the
  // other settings below: look it up first.
  const std::u16string modulePath = ModulePath();
  state_.display.languageCode = StartLanguage(DeriveLocalPaths(modulePath).settingsFile);
  TakeLanguage();
  // Registered before the read, so that a plug or an unplug during it is not missed.
  if (!RegisterForDeviceNotifications()) {
    messageBoxes_.Show(u"RegisterDeviceNotification failed!!!", u"");
    return FALSE;
  }
  const DeviceContext devices = Devices();
  SettleResult connected = SettleResult::Absent;
  bool settleDue = deviceWatch_.Run([&] { connected = ConnectAtStartup(devices); });

  const MouseTaken taken = LoadLocalState(
      modulePath, StartupFiles{files_, profile_, messageBoxes_, GetUserDefaultUILanguage()}, state_, local_);
  TakeLanguage();
  LoadCanvas();
  CreateFonts();
  if (state_.connected) PaintMainPage();
  if (const auto notice = StartupNotice(taken)) SendNotice(*notice, 0);
  startupDone_ = true;
  settleDue = settleDue || connected == SettleResult::Busy;
  StartProfileSwitching();
  AfterTransfers(settleDue);
  return TRUE;
}

void CVelmoDlg::AfterTransfers(bool settleDue) {
  if (settleDue) StartSettleTimer();
  TakeProfileOnMouse();
  if (std::exchange(trayShowWaiting_, false)) ShowFromTrayClick(kTrayLeftUp);
}

void CVelmoDlg::StartSettleTimer() { SetTimer(hwnd(), kDeviceSettleTimer, kDeviceSettleMs, nullptr); }

void CVelmoDlg::TakeLanguage() {
  language_ = LanguageFromCode(state_.display.languageCode);
  mouse_->SetMissingMouseText(std::u16string(Text(language_, kSlotMouseMissing)));
}

void CVelmoDlg::AllowMessagesFromOtherPrograms() {
  // Elevated, the window would never hear of a restarted shell or of another program's
  // notice request: Windows drops those messages from programs of lower integrity.
  ChangeWindowMessageFilterEx(hwnd(), taskbarCreatedMessage_, MSGFLT_ALLOW, nullptr);
  ChangeWindowMessageFilterEx(hwnd(), kNoticeMessage, MSGFLT_ALLOW, nullptr);
}

void CVelmoDlg::LoadCanvas() {
  // Sized from the background's header: the program may sit in the tray all day without
  // ever showing the page, so its images are decoded when it first shows.
  // The template was centred at its own size; centre the skin's size instead.
  if (LoadMainBackground()) CentreOnWorkArea(hwnd());
  TakeSkinAccents();
}

// A skin whose background cannot be loaded (a folder that is not there, a damaged main.png)
// would leave a blank grey window without a control: the shipped skin takes its place. Only
// the header is read here; a main.png damaged past its header is caught when the canvas is
// decoded (RestoreCanvas), with the same fallback.
bool CVelmoDlg::LoadMainBackground() {
  const bool decode = static_cast<bool>(canvas_) || gdiplus_.has_value();
  const auto load = [&] {
    return decode ? LoadSkinBackground(hwnd(), state_.display.skinDir, u"/main.png", canvas_, scale_)
                  : SizeToSkinBackground(hwnd(), state_.display.skinDir, u"/main.png", scale_);
  };
  if (load()) return true;
  const std::u16string failed = state_.display.skinName;
  if (failed == kDefaultSkinName) return false;
  state_.display.skinName = kDefaultSkinName;
  state_.display.skinDir = SkinDirectory(local_.paths, kDefaultSkinName);
  local_.settings.skinName = state_.display.skinName;
  images_.Clear();
  if (!load()) return false;
  if (!std::exchange(skinFallbackSaid_, true)) messageBoxes_.Show(SkinFallbackText(language_, failed), u"");
  return true;
}

// Hidden for a while, the window gives back what it took to be shown: its pixels, the
// images, GDI+ with the DLLs it loaded, and the window's own image on the screen. The next
// show decodes and draws the page anew. Not at once: a window shown again soon after
// (Cancel, then the tray) shows in one frame.
constexpr UINT kReleaseAfterMs = 3000;

void CVelmoDlg::ReleaseCanvas() {
  canvas_ = CanvasBitmap{};
  images_.Clear();
  gdiplus_.reset();
  if (!sizeBeforeShrink_) sizeBeforeShrink_ = ShrinkHiddenWindow(hwnd());
}

bool CVelmoDlg::RestoreCanvas() {
  if (canvas_) return false;
  StartImages();
  const bool decoded = LoadMainBackground();
  if (const std::optional<SIZE> size = std::exchange(sizeBeforeShrink_, std::nullopt); size && !decoded) {
    SetWindowPos(hwnd(), nullptr, 0, 0, size->cx, size->cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return decoded;
}

void CVelmoDlg::StartImages() {
  if (gdiplus_) return;
  gdiplus_.emplace();
  TakeSkinAccents();  // the lists' accent is read from a skin image, which needs GDI+
}

bool CVelmoDlg::TakeSingleInstance() {
  SetLastError(ERROR_SUCCESS);
  instanceMutex_.reset(CreateMutexW(nullptr, FALSE, L"QV318-207Mutex"));
  return GetLastError() != ERROR_ALREADY_EXISTS;
}

void CVelmoDlg::SetWindowIcons() {
  SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void CVelmoDlg::MakeToolWindow() {
  // A tray program has no taskbar button.
  LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  style = (style & ~static_cast<LONG_PTR>(WS_EX_APPWINDOW)) | WS_EX_TOOLWINDOW;
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style);
}

bool CVelmoDlg::RegisterForDeviceNotifications() {
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = 32;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = kHidInterfaceClass;
  deviceNotify_.reset(RegisterDeviceNotificationW(hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
  return static_cast<bool>(deviceNotify_);
}

void CVelmoDlg::CreateFonts() {
  fonts_ = CreateSkinFonts(language_, scale_);
  controls_.SetListFont(fonts_.Of(FontRole::Text));
}

void CVelmoDlg::SendNotice(uint32_t kind, int64_t value) {
  SendMessageW(hwnd(), kNoticeMessage, kind, static_cast<LPARAM>(value));
}

void CVelmoDlg::HideMainWindow() {
  Page page = MakePage();
  CloseAllLists(page, controls_);
  ForgetFocus();
  ShowWindow(hwnd(), SW_HIDE);
  ScheduleRelease();
}

void CVelmoDlg::ScheduleRelease() { SetTimer(hwnd(), kReleaseTimer, kReleaseAfterMs, nullptr); }

uint32_t CVelmoDlg::ShowMouseSettings() {
  const MouseTaken taken = TakeMouseSettings(state_, local_.settings.keyNames);
  // The read may also have brought another DPI table: the columns are drawn anew.
  RebuildPage(KeyNamesFrom::Memory);
  return NoticeOfTaken(taken);
}

bool CVelmoDlg::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd == hwnd()) tips_.Relay(msg);
  if (OnKeyMessage(msg)) return true;
  switch (FilterBeforeDispatch(msg.message, msg.wParam, page_.state)) {
    case PreDispatch::HideWindow:
      HideMainWindow();
      return true;
    case PreDispatch::KeyListPointer:
      TrackListPointer();  // then the move is dispatched as usual
      return false;
    case PreDispatch::PassOn:
      break;
  }
  return false;
}

MessageResult CVelmoDlg::OnUnlistedMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message != 0 && message == taskbarCreatedMessage_) {
    tray_.Restore();
    return 0;
  }
  const UINT command = LOWORD(wParam);
  if (message == WM_COMMAND && command >= kProfileSaveAsCommand && command < kFirstProfileCommand + kProfileCommandCount) {
    return OnProfileCommand(command);
  }
  if (message == WM_HOTKEY && wParam == kProfileHotKeyId) {
    StepProfile();
    return 0;
  }
  return std::nullopt;
}

MessageResult CVelmoDlg::OnClose(WPARAM, LPARAM) {
  HideMainWindow();
  return 0;
}

MessageResult CVelmoDlg::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(icon_); }

MessageResult CVelmoDlg::OnPaint(WPARAM, LPARAM) {
  if (!IsIconic(hwnd())) return std::nullopt;
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd(), &paint);
  SendMessageW(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon_);
  EndPaint(hwnd(), &paint);
  return 0;
}

MessageResult CVelmoDlg::OnNcPaint(WPARAM, LPARAM) {
  if (hidingNcPaints_ <= 0) return std::nullopt;
  --hidingNcPaints_;
  HideMainWindow();
  return 0;
}

MessageResult CVelmoDlg::OnEraseBackground(WPARAM wParam, LPARAM) {
  if (!canvas_) return std::nullopt;
  RECT client{};
  GetClientRect(hwnd(), &client);
  {
    CMemDC copy(reinterpret_cast<HDC>(wParam), client, canvas_.get());  // its end copies the canvas
  }
  if (const FocusFrame* focus = ShownFocus()) DrawFocusFrame(reinterpret_cast<HDC>(wParam), *focus, scale_);
  return 1;
}

MessageResult CVelmoDlg::OnTrayCallback(WPARAM, LPARAM lParam) {
  ShowFromTrayClick(static_cast<uint32_t>(lParam));
  return 0;
}

void CVelmoDlg::ShowFromTrayClick(uint32_t mouseMessage) {
  const bool ready = startupDone_ && !deviceWatch_.Busy();
  const TrayDecision decision =
      DecideTrayCallback(mouseMessage, state_.connected, state_.cancelPending, page_.state, ready);
  switch (decision.reaction) {
    case TrayReaction::NoticeMouseMissing:
      SendNotice(kNoticeMouseMissing, 0);
      break;
    case TrayReaction::ShowWindow:
      ShowFromTray(decision.rebuildPage, decision.paintPage);
      break;
    case TrayReaction::OpenMenu:
      OpenTrayMenu();
      break;
    case TrayReaction::Defer:
      trayShowWaiting_ = true;
      break;
    case TrayReaction::Ignore:
      break;
  }
}

void CVelmoDlg::ShowFromTray(bool rebuildPage, bool paintPage) {
  KillTimer(hwnd(), kReleaseTimer);
  const bool redrawn = RestoreCanvas();
  if (!tips_.Shown()) ShowTips();
  if (rebuildPage) {
    RebuildPage(KeyNamesFrom::Settings);
  } else if (redrawn && page_.state == PageState::Shown) {
    RebuildPage(KeyNamesFrom::Memory);  // on the new canvas, from what the page holds
  } else if (paintPage) {
    PaintMainPage();
  }
  // How many frame paints start-up brings differs between systems; once the user asks for
  // the window, none may hide it again.
  hidingNcPaints_ = 0;
  SetForegroundWindow(hwnd());
  ShowWindow(hwnd(), SW_SHOW);
  // Shown, the window takes the keyboard: a person who opened it from the tray with the
  // keyboard goes on with it (a hidden window cannot hold the focus).
  SetForegroundWindow(hwnd());
  SetFocus(hwnd());
}

void CVelmoDlg::OpenTrayMenu() {
  POINT cursor{};
  GetCursorPos(&cursor);
  UniqueMenu menu(CreatePopupMenu());
  AppendLanguageItems(menu.get());
  AppendProfileItems(menu.get());
  const std::wstring exitText = Wide(Text(language_, kSlotExit));
  AppendMenuW(menu.get(), MF_STRING, kExitCommand, exitText.c_str());
  // Set the foreground window first, or the menu will not close on a click elsewhere.
  SetForegroundWindow(hwnd());
  TrackPopupMenu(menu.get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN, cursor.x, cursor.y, 0, hwnd(), nullptr);
  // A message after the menu, or it fails to close on the next click outside it.
  PostMessageW(hwnd(), WM_NULL, 0, 0);
}

MessageResult CVelmoDlg::OnNotice(WPARAM wParam, LPARAM lParam) {
  const StageDpiTexts dpiTexts = StageDpiNoticeTexts(state_.record, state_.dpiSelector);
  if (auto notice = NoticeFor(wParam, static_cast<int32_t>(lParam), language_, dpiTexts)) tray_.Show(*notice);
  return 0;
}

MessageResult CVelmoDlg::OnExitCommand(WPARAM, LPARAM) { EndProcess(); }

void CVelmoDlg::ReleaseShellResources() {
  link_->CloseChannels();
  tray_.Delete();
}

bool CVelmoDlg::AskBeforeClosing() {
  if (!HasUnappliedEdits(state_)) return true;
  switch (AskCloseQuestion(hwnd(), CloseQuestion(language_))) {
    case CloseAnswer::Apply:
      RunApply(false);
      return true;
    case CloseAnswer::Discard:
      return true;
    case CloseAnswer::Cancel:
      break;
  }
  return false;
}

void CVelmoDlg::EndProcess() {
  ReleaseShellResources();
  ExitProcess(0);
}

MessageResult CVelmoDlg::OnDestroy(WPARAM, LPARAM) {
  accessible_.Detach();
  ReleaseShellResources();
  return std::nullopt;
}

MessageResult CVelmoDlg::OnDeviceChange(WPARAM wParam, LPARAM lParam) {
  if (deviceWatch_.Note(ReadDeviceChange(wParam, lParam))) StartSettleTimer();
  return TRUE;
}

MessageResult CVelmoDlg::OnTimer(WPARAM wParam, LPARAM) {
  if (wParam == kProfileSwitchTimer) {
    OnProfileSwitchTick();
    return 0;
  }
  if (wParam == kReleaseTimer) {
    KillTimer(hwnd(), kReleaseTimer);
    // A dialog opened from the tray over the hidden window draws with GDI+: not under it.
    if (!IsWindowEnabled(hwnd())) {
      ScheduleRelease();
    } else if (!IsWindowVisible(hwnd())) {
      ReleaseCanvas();
    }
    return 0;
  }
  if (wParam != kDeviceSettleTimer) return std::nullopt;
  KillTimer(hwnd(), kDeviceSettleTimer);
  // A dialog, a message box or the colour chooser owns the window: the page may not be
  // rebuilt under it.
  if (!startupDone_ || !IsWindowEnabled(hwnd())) {
    StartSettleTimer();
    return 0;
  }
  const bool wasConnected = state_.connected != 0;
  if (deviceWatch_.Settle(Devices()) == SettleResult::Busy) StartSettleTimer();
  if (state_.connected && !wasConnected) autoSwitch_.MouseBack();  // a failed switch is tried again
  TakeProfileOnMouse();
  return 0;
}

MessageResult CVelmoDlg::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
  // Dragged onto a monitor of another scale: take the place Windows suggests, then build
  // the canvas, the fonts and the page's controls anew for the new scale. Under a modal
  // dialog the page's list whose handler runs the dialog is still on the stack: the page is
  // built anew once the dialog has ended (AfterQueuedMessage).
  const DisplayScale scale = TakeDpiChange(hwnd(), wParam, lParam);
  if (!IsWindowEnabled(hwnd())) {
    pendingScale_ = scale;
    return 0;
  }
  TakeScale(scale);
  return 0;
}

void CVelmoDlg::AfterQueuedMessage(const MSG& msg) {
  if (pendingScale_ && IsWindowEnabled(hwnd())) TakeScale(*std::exchange(pendingScale_, std::nullopt));
  announcer_.AfterMessage(hwnd(), *this, msg.message);
}

void CVelmoDlg::TakeScale(DisplayScale scale) {
  scale_ = scale;
  images_.Clear();
  // The old fonts stay until the controls that use them are gone.
  const SkinFonts old = std::exchange(fonts_, CreateSkinFonts(language_, scale_));
  controls_.SetListFont(fonts_.Of(FontRole::Text));
  controls_.SetScale(scale_);
  LoadMainBackground();
  ShowTips();
  if (page_.state == PageState::Shown) RebuildPage(KeyNamesFrom::Memory);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

}  // namespace qv::win
