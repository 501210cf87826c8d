// The main window's page: painting, presses, hover looks and control colours. Each
// handler asks the page core what to do and carries the answer out.
#include "app/win32/velmo_dlg.h"

#include "app/notices.h"
#include "app/win32/unelevated_open.h"
#include "common/win32/wide.h"
#include "config/apply.h"
#include "config/settings.h"
#include "keyassign/key_captions.h"
#include "ui/control_colours.h"
#include "ui/guide.h"
#include "ui/hover.h"
#include "ui/key_area.h"
#include "ui/page_painter.h"
#include "ui/press.h"
#include "ui/sliders.h"
#include "ui/win32/choose_colour.h"
#include "ui/win32/control_colours_win32.h"
#include "ui/win32/skin_canvas.h"
#include "ui/win32/track_hover.h"

namespace qv::win {
namespace {

ControlKind KindOf(UINT message) {
  switch (message) {
    case WM_CTLCOLOREDIT:
      return ControlKind::Edit;
    case WM_CTLCOLORLISTBOX:
      return ControlKind::ListBox;
    case WM_CTLCOLORBTN:
      return ControlKind::Button;
    case WM_CTLCOLORSTATIC:
      return ControlKind::Static;
    default:
      return ControlKind::Other;
  }
}

}  // namespace

Page CVelmoDlg::MakePage() {
  const TextColour& colour = state_.display.textColour;
  return Page{page_,
              state_.record,
              local_.settings.keyNames,
              language_,
              Rgb{colour.red, colour.green, colour.blue},
              state_.dpiSelector,
              state_.firstRun,
              static_cast<bool>(canvas_)};
}

SkinPaintSources CVelmoDlg::PaintSources() {
  return SkinPaintSources{canvas_.get(), state_.display.skinDir, &fonts_, &images_, nullptr, scale_, ShownFocus()};
}

void CVelmoDlg::PaintMainPage() {
  if (page_.state == PageState::Shown) return;
  Page page = MakePage();
  const bool defaultNames = SettleKeyNames(page);
  {
    SkinCanvas canvas(hwnd(), PaintSources());
    qv::PaintMainPage(page, canvas, controls_);
  }
  if (defaultNames) WriteKeyNames(profile_, local_.paths.settingsFile, local_.settings);
}

void CVelmoDlg::RebuildPage(KeyNamesFrom names) {
  page_.state = PageState::Rebuilding;
  TearDownPageControls(page_, controls_);
  if (names == KeyNamesFrom::Settings) ReadSettings(profile_, local_.paths.settingsFile, local_.settings);
  page_.state = PageState::MustPaint;
  PaintMainPage();
}

MessageResult CVelmoDlg::OnLButtonDown(WPARAM, LPARAM lParam) {
  const SkinPoint at = PointerInSkin(lParam, scale_);
  MessageResult result = 0;
  for (const PressAction& action : DispatchPress(MakePage(), at.x, at.y)) {
    if (!CarryOut(action, at, lParam, result)) break;
  }
  return result;
}

// One step of a press; false when the press ends here (the process may already be gone).
bool CVelmoDlg::CarryOut(const PressAction& action, SkinPoint at, LPARAM screenAt, MessageResult& result) {
  switch (action.kind) {
    case PressKind::Ok:
    case PressKind::Apply:
      RunApply(action.kind == PressKind::Ok);
      return true;
    case PressKind::Cancel:
      if (PressCancel(state_).hideWindow) HideMainWindow();
      return true;
    case PressKind::Hide:
      HideMainWindow();
      return false;
    case PressKind::Close:
      if (!AskBeforeClosing()) return false;
      EndProcess();
    case PressKind::Back:
      PaintMainPage();
      return false;
    case PressKind::OpenWebAddress:
      OpenGuide();
      return false;
    case PressKind::CloseLists: {
      Page page = MakePage();
      CloseListsAwayFrom(page, at.x, at.y, controls_);
      return true;
    }
    case PressKind::ChooseStageColour:
      ChooseStageColour(action.index);
      return false;
    case PressKind::DragWindow:
      // The system's move loop drags the window while the button is held.
      PostMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, screenAt);
      result = std::nullopt;
      return false;
    case PressKind::ToggleKeyList:
      ToggleKeyList(action.index);
      return false;
    case PressKind::ToggleLedList:
      ToggleLedList(action.index);
      return false;
    case PressKind::Skins:
      RunSkinsDialog();
      return true;
    default:
      DrawPressedElement(action);
      return false;
  }
}

void CVelmoDlg::DrawPressedElement(const PressAction& action) {
  Page page = MakePage();
  SkinCanvas canvas(hwnd(), PaintSources());
  switch (action.kind) {
    case PressKind::ShowModeA:
      ShowModeA(page, canvas);
      break;
    case PressKind::ShowModeB:
      ShowModeB(page, canvas);
      break;
    case PressKind::RestoreDefaults:
      RestoreDefaultKeys(page, canvas);
      break;
    case PressKind::SetReportRate:
      SetReportRate(state_.record, action.index, canvas);
      break;
    case PressKind::ToggleDpiStage:
      ToggleDpiStage(page, action.index, canvas);
      break;
    case PressKind::SetDpiLevel:
      SetDpiLevel(page, action.index, action.level, canvas);
      break;
    default:
      break;
  }
}

void CVelmoDlg::RunApply(bool ok) {
  const uint8_t selectorBefore = state_.dpiSelector;
  const ApplyServices services{*mouse_,        files_, profile_, messageBoxes_, Text(language_, kSlotMouseMissing),
                               transferLock_, MouseBusyText(language_), language_};
  ButtonResult result;
  const bool settleDue = deviceWatch_.Run(
      [&] { result = ok ? PressOk(state_, local_, services) : PressApply(state_, local_, services); });
  // A fresh read may have brought another DPI table: the columns must show the one sent.
  if (state_.dpiSelector != selectorBefore) RebuildPage(KeyNamesFrom::Memory);
  if (result.hideWindow) HideMainWindow();
  ConfirmApply(result.applied);
  AfterTransfers(settleDue);
}

void CVelmoDlg::OpenGuide() {
  const std::u16string guide = GuidePath(local_.paths.skinBase, state_.display.languageCode);
  if (!OpenUnelevated(guide)) messageBoxes_.Show(GuideLocationText(language_, guide), u"");
}

void CVelmoDlg::ChooseStageColour(int stage) {
  // Cancelled, the colour stays.
  if (const std::optional<Rgb> chosen = ChooseColour(hwnd())) StoreStageColour(state_.record, stage, *chosen, controls_);
}

MessageResult CVelmoDlg::OnMouseMove(WPARAM, LPARAM lParam) {
  const SkinPoint at = PointerInSkin(lParam, scale_);
  const MoveAnswer answer = OnPageMouseMove(page_, at.x, at.y);
  if (answer == MoveAnswer::RestoreLooks || answer == MoveAnswer::RestoreAndTrack) RestoreHoverLooks();
  if (answer == MoveAnswer::Track || answer == MoveAnswer::RestoreAndTrack) TrackHover(hwnd(), TME_LEAVE);
  return std::nullopt;
}

// The pointer left the window, or went onto a child of it (a list, a swatch).
MessageResult CVelmoDlg::OnMouseLeave(WPARAM, LPARAM) {
  RestoreHoverLooks();
  return std::nullopt;
}

void CVelmoDlg::RestoreHoverLooks() {
  if (page_.hover.none()) return;
  SkinCanvas canvas(hwnd(), PaintSources());
  Page page = MakePage();
  RestoreNormalLooks(page, canvas);
}

MessageResult CVelmoDlg::OnMouseHover(WPARAM, LPARAM lParam) {
  const SkinPoint at = PointerInSkin(lParam, scale_);
  if (const auto item = HoverItemAt(page_, at.x, at.y)) {
    SkinCanvas canvas(hwnd(), PaintSources());
    Page page = MakePage();
    Highlight(page, *item, canvas);
  }
  return std::nullopt;
}

MessageResult CVelmoDlg::OnControlColour(UINT message, WPARAM wParam, LPARAM lParam) {
  const ControlKind kind = KindOf(message);
  if (kind == ControlKind::Other) return std::nullopt;
  // The brush of the previous answer is no longer in use.
  controlBrush_.reset();
  const int id = GetDlgCtrlID(reinterpret_cast<HWND>(lParam));
  const TextColour& text = state_.display.textColour;
  const ControlColours colours = ColoursOfControl(kind, id, Rgb{text.red, text.green, text.blue}, state_.record);
  ApplyControlColours(reinterpret_cast<HDC>(wParam), colours, fonts_);
  if (!colours.brush) return std::nullopt;
  controlBrush_.reset(CreateSolidBrush(ToColorRef(*colours.brush)));
  return reinterpret_cast<LRESULT>(controlBrush_.get());
}

MessageResult CVelmoDlg::OnCtlColorEdit(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(WM_CTLCOLOREDIT, wParam, lParam);
}
MessageResult CVelmoDlg::OnCtlColorListBox(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(WM_CTLCOLORLISTBOX, wParam, lParam);
}
MessageResult CVelmoDlg::OnCtlColorButton(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(WM_CTLCOLORBTN, wParam, lParam);
}
MessageResult CVelmoDlg::OnCtlColorStatic(WPARAM wParam, LPARAM lParam) {
  return OnControlColour(WM_CTLCOLORSTATIC, wParam, lParam);
}

}  // namespace qv::win
