#pragma once
// The main dialog: a borderless skinned window that lives in the tray.
#include <windows.h>

#include <memory>
#include <optional>
#include <span>

#include "app/win32/dialog.h"
#include "app/win32/foreground_watch.h"
#include "app/win32/page_controls_win32.h"
#include "app/win32/skin_accessible.h"
#include "app/win32/page_tooltips_win32.h"
#include "app/win32/skinned_dialog.h"
#include "app/win32/tray_icon.h"
#include "common/platform.h"
#include "common/win32/handles.h"
#include "common/win32/message_boxes_win32.h"
#include "common/win32/transfer_lock_win32.h"
#include "common/win32/win32_services.h"
#include "config/startup.h"
#include "config/win32/file_system_win32.h"
#include "config/win32/profile_store_win32.h"
#include "device/device_events.h"
#include "device/device_link.h"
#include "device/hid_bus.h"
#include "device/protocol.h"
#include "model/app_state.h"
#include "model/page_state.h"
#include "profiles/auto_switch.h"
#include "profiles/profile_library.h"
#include "ui/language.h"
#include "ui/page_keys.h"
#include "ui/page_session.h"
#include "ui/press.h"
#include "ui/win32/canvas_bitmap.h"
#include "ui/win32/gdiplus_session.h"
#include "ui/win32/skin_canvas.h"
#include "ui/win32/skin_image_cache.h"
#include "ui/win32/skin_fonts.h"
#include "ui/win32/window_scale.h"

namespace qv::win {

inline constexpr UINT kExitCommand = 1028;
// The tray menu's languages, in the order of Language.
inline constexpr UINT kFirstLanguageCommand = 1029;
// Runs out when a burst of device notifications is over (DeviceWatch).
inline constexpr UINT_PTR kDeviceSettleTimer = 1;
// The tray menu's profile items: its commands, then one per profile.
inline constexpr UINT kProfileSaveAsCommand = 1040;
inline constexpr UINT kProfileManageCommand = 1041;
inline constexpr UINT kProfileSwitchCommand = 1042;
inline constexpr UINT kFirstProfileCommand = 1100;
inline constexpr UINT kProfileCommandCount = 400;
// Ticks while profiles switch automatically, to see whether a switch is due.
inline constexpr UINT_PTR kProfileSwitchTimer = 2;
// Runs out a while after the window hides: then it gives back its pixels.
inline constexpr UINT_PTR kReleaseTimer = 3;
inline constexpr UINT kProfileSwitchTickMs = 100;
inline constexpr int kProfileHotKeyId = 1;

class CVelmoDlg : public Dialog<CVelmoDlg>, public ShellActions, private AccessibleSource {
 public:
  explicit CVelmoDlg(AppState& state);
  ~CVelmoDlg() override;

  static std::span<const MessageEntry<CVelmoDlg>> MessageTable();

  // ShellActions: what the core asks of the window.
  void SendNotice(uint32_t kind, int64_t value) override;
  void HideMainWindow() override;
  uint32_t ShowMouseSettings() override;

 protected:
  BOOL OnInitDialog() override;
  bool PreTranslateMessage(MSG& msg) override;
  void AfterQueuedMessage(const MSG& msg) override;
  void OnOK() override {}
  void OnCancel() override {}
  bool ShowWhenCreated() const override { return false; }
  MessageResult OnUnlistedMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  MessageResult OnClose(WPARAM, LPARAM);
  MessageResult OnQueryDragIcon(WPARAM, LPARAM);
  MessageResult OnPaint(WPARAM, LPARAM);
  MessageResult OnNcPaint(WPARAM, LPARAM);
  MessageResult OnEraseBackground(WPARAM, LPARAM);
  MessageResult OnTrayCallback(WPARAM, LPARAM);
  void ShowFromTrayClick(uint32_t mouseMessage);
  MessageResult OnNotice(WPARAM, LPARAM);
  MessageResult OnExitCommand(WPARAM, LPARAM);
  MessageResult OnLanguageCommand(WPARAM, LPARAM);
  MessageResult OnDestroy(WPARAM, LPARAM);
  MessageResult OnDeviceChange(WPARAM, LPARAM);
  MessageResult OnTimer(WPARAM, LPARAM);
  void StartSettleTimer();
  // After start-up or a transfer: carry out what waited for it.
  void AfterTransfers(bool settleDue);
  MessageResult OnDpiChanged(WPARAM, LPARAM);
  void TakeScale(DisplayScale scale);
  // The page (velmo_dlg_page.cpp).
  MessageResult OnLButtonDown(WPARAM, LPARAM);
  MessageResult OnMouseMove(WPARAM, LPARAM);
  MessageResult OnMouseHover(WPARAM, LPARAM);
  MessageResult OnMouseLeave(WPARAM, LPARAM);
  void RestoreHoverLooks();
  MessageResult OnCtlColorEdit(WPARAM, LPARAM);
  MessageResult OnCtlColorListBox(WPARAM, LPARAM);
  MessageResult OnCtlColorButton(WPARAM, LPARAM);
  MessageResult OnCtlColorStatic(WPARAM, LPARAM);
  MessageResult OnControlColour(UINT message, WPARAM wParam, LPARAM lParam);
  // The drop-down lists (velmo_dlg_lists.cpp).
  MessageResult OnKeyListSelect(WPARAM, LPARAM);
  MessageResult OnDpiSubListSelect(WPARAM, LPARAM);
  MessageResult OnLedModeSelect(WPARAM, LPARAM);
  MessageResult OnLedParameterSelect(WPARAM, LPARAM);
  MessageResult OnLedEffectSelect(WPARAM, LPARAM);
  void ToggleKeyList(int key);
  void ToggleLedList(int box);
  void TrackListPointer();
  MessageResult OnDrawItem(WPARAM, LPARAM);
  // The lists mark their entries, and the focus frame its control, in the accents of the
  // skin shown, read once per skin and text colour rather than at every paint.
  void TakeSkinAccents();
  void TrackKeyListItem(HWND list, int item);
  // The keyboard and the screen reader (velmo_dlg_keys.cpp).
  bool OnKeyMessage(const MSG& msg);
  bool OnListKeyMessage(const MSG& msg);
  void PressFromKeyboard(int index);
  void GiveKeysToOpenList();
  void ShowFocus();
  void ForgetFocus();
  const FocusFrame* ShownFocus();
  MessageResult OnGetObject(WPARAM, LPARAM);
  MessageResult OnAccessiblePress(WPARAM, LPARAM);
  std::u16string AccessibleName() override;
  std::vector<AccessibleControl> AccessibleControls() override;
  std::optional<int> FocusedControl() override;
  void PressControl(int index) override;
  void FocusControl(int index) override;
  SubDialogContext SubDialogs() const;

  DeviceContext Devices();
  bool TakeSingleInstance();
  void TakeLanguage();
  // The language (velmo_dlg_language.cpp).
  std::u16string StartLanguage(std::u16string_view settingsFile);
  void AppendLanguageItems(HMENU menu);
  void SwitchLanguage(Language language);
  void ShowTips();
  void ConfirmApply(bool applied);
  void AllowMessagesFromOtherPrograms();
  void LoadCanvas();
  bool LoadMainBackground();
  bool RestoreCanvas();  // true when there was no canvas and one is decoded now
  // GDI+ for the skin's images, started at the first show or the first dialog from the tray.
  void StartImages();
  void ReleaseCanvas();
  void ScheduleRelease();  // gives back what a show took once hidden a while
  void SetWindowIcons();
  void MakeToolWindow();
  bool RegisterForDeviceNotifications();
  void CreateFonts();
  void ShowFromTray(bool rebuildPage, bool paintPage);
  void OpenTrayMenu();
  void PaintMainPage();
  // Where a rebuilt page takes its key names from: str.ini (after Cancel, the names saved
  // with the saved copy) or the names held now, which may not be saved yet.
  enum class KeyNamesFrom { Settings, Memory };
  void RebuildPage(KeyNamesFrom names);
  Page MakePage();
  SkinPaintSources PaintSources();
  bool CarryOut(const PressAction& action, SkinPoint at, LPARAM screenAt, MessageResult& result);
  void DrawPressedElement(const PressAction& action);
  void RunApply(bool ok);
  void OpenGuide();
  void ChooseStageColour(int stage);
  // Profiles (velmo_dlg_profiles.cpp).
  ProfileLibrary Profiles();
  void AppendProfileItems(HMENU menu);
  MessageResult OnProfileCommand(UINT id);
  // Sends a profile through the Apply pipeline; false when the mouse did not take it.
  bool ChooseProfile(const std::u16string& name, bool automatic);
  void SaveProfileAs();
  void ManageProfiles();
  void ToggleSwitchAutomatically();
  // After every read or write: which profile the mouse holds, in the tray's tip.
  void TakeProfileOnMouse();
  // The settings of Profiles/profiles.ini put to work: the foreground watch and the hot key.
  void StartProfileSwitching();
  void OnProfileSwitchTick();
  void StepProfile();
  bool ProfileSwitchBlocked();
  // The skins dialog (velmo_dlg_skins.cpp).
  void RunSkinsDialog();
  void TakeNewSkin();
  [[noreturn]] void EndProcess();
  // The close button: false when the user keeps the program (edits not applied, Cancel).
  bool AskBeforeClosing();
  void ReleaseShellResources();

  AppState& state_;
  HICON icon_ = nullptr;
  UniqueIcon trayIcon_;  // at the tray's own size
  UINT taskbarCreatedMessage_ = 0;
  UniqueHandle instanceMutex_;
  UniqueDeviceNotify deviceNotify_;
  TrayIcon tray_;
  Win32MessageBoxes messageBoxes_;
  SleepPause pause_;
  OutputDebugTrace trace_;
  std::unique_ptr<HidBus> bus_;
  std::unique_ptr<DeviceLink> link_;
  std::unique_ptr<MouseProtocol> mouse_;
  Win32TransferLock transferLock_;
  DeviceWatch deviceWatch_;
  bool startupDone_ = false;
  bool trayShowWaiting_ = false;  // a tray click came while the window was not ready for it
  Win32FileSystem files_;
  Win32ProfileStore profile_;
  LocalState local_;
  Language language_ = Language::English;
  SkinFonts fonts_;
  // Started at the first show: a program that stays in the tray never loads GDI+. Declared
  // before the images, which it outlives.
  std::optional<GdiplusSession> gdiplus_;
  CanvasBitmap canvas_;
  std::optional<SIZE> sizeBeforeShrink_;  // the window's size while it is shrunk to its frame
  SkinImageCache images_;
  PageSession page_;
  Win32PageControls controls_;
  DisplayScale scale_;  // of the monitor the window is on; the core never sees it
  std::optional<DisplayScale> pendingScale_;  // a change that came while a modal dialog was open
  PageTooltips tips_;
  UniqueBrush controlBrush_;  // the last WM_CTLCOLOR answer, deleted at the next one
  PageFocus focus_;
  FocusFrame focusFrame_;
  Rgb focusAccent_;
  WindowAccessible accessible_;
  ChangeAnnouncer announcer_;
  bool skinFallbackSaid_ = false;  // the user hears once that the chosen skin could not be loaded
  std::vector<std::u16string> profileMenu_;  // the names of the profile items last shown
  std::u16string profileOnMouse_;            // empty when the mouse holds none of them
  ProfileSettings profileSettings_;
  AutoSwitch autoSwitch_;
  ForegroundWatch foreground_;
  bool hotKeyRegistered_ = false;
  int hidingNcPaints_ = 2;  // the first two frame paints hide the window: it starts in the tray
};

}  // namespace qv::win
