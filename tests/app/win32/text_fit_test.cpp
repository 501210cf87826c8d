// Every text the windows draw on their art or show in a box, measured with the font the
// window makes for its language and scale: in the three languages at 100, 150 and 200 %,
// none is wider or taller than its place, and a text in a framed box keeps clear of the frame.
#include <gtest/gtest.h>
// Before any core header, so that the canvas's DrawText is renamed as the skin canvas's is.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/profile_dialogs.h"
#include "common/text.h"
#include "common/win32/handles.h"
#include "common/win32/wide.h"
#include "config/win32/file_system_win32.h"
#include "keyassign/fire_key_dialog.h"
#include "keyassign/frame_looks.h"
#include "keyassign/key_codes.h"
#include "keyassign/selector_dialogs.h"
#include "keyassign/single_key_dialog.h"
#include "model/dpi_tables.h"
#include "ui/display_scale.h"
#include "ui/key_lists.h"
#include "ui/layout.h"
#include "ui/led_texts.h"
#include "ui/page_elements.h"
#include "ui/win32/skin_canvas.h"
#include "ui/win32/skin_fonts.h"

namespace qv::win {
namespace {

constexpr Language kLanguages[] = {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese};
constexpr int kDialogWidth = 384;
constexpr int kFramed = 3;      // a sunken display: its frame and a pixel or two of air
constexpr int kArrowCell = 21;  // a key box's arrow at its right end

struct Place {
  std::string what;
  layout::Rect rect;
  TextFormat format = TextFormat::Left;
  int margin = 0;  // on each side, in skin pixels
  FontRole role = FontRole::Text;
  int listEntries = 0;  // a list of so many entries: its frame, indent and any scroll bar
};

struct PlacedText {
  Place place;
  std::u16string text;
};

class Texts {
 public:
  explicit Texts(Language language) : language_(language) {}
  void Add(const Place& place, std::u16string_view text) { texts_.push_back({place, std::u16string(text)}); }
  void AddLabels(const std::string& what, std::span<const DialogLabel> labels) {
    for (const DialogLabel& label : labels) {
      layout::Rect inside = label.rect;  // a label may start outside a narrow window
      inside.left = std::max(inside.left, 0);
      inside.right = std::min(inside.right, kDialogWidth);
      Add({what, inside, label.format}, label.text);
    }
  }
  void AddSelector(const std::string& what, const SelectorDialogKind& kind, const std::vector<std::u16string>& items) {
    for (size_t i = 0; i < items.size(); ++i) {
      const std::u16string entry = ListEntry(kind, i, items[i]);
      Add({what + " display", kind.display, TextFormat::Centred, kFramed}, entry);
      Add({what + " list", kind.list, TextFormat::Left, 0, FontRole::Text, static_cast<int>(items.size())}, entry);
    }
  }
  const std::vector<PlacedText>& All() const { return texts_; }
  Language language() const { return language_; }

 private:
  Language language_;
  std::vector<PlacedText> texts_;
};

std::vector<std::u16string> ItemsOf(const SelectorDialogKind& kind, Language language) {
  std::vector<std::u16string> items;
  for (const LanguageText& item : kind.items) items.emplace_back(item[language]);
  return items;
}

void AddDialogs(Texts& texts) {
  const Language language = texts.language();
  for (const layout::Rect& button : {layout::dialog::kOk, layout::dialog::kCancel}) {
    texts.Add({"dialog button", button, TextFormat::Centred, kFramed}, button == layout::dialog::kOk ? OkText(language) : CancelText(language));
  }
  for (const SelectorDialogKind* kind : {&HotKeyDialog(), &MediaDialog(), &WindowsDialog(), &SnipeDialog()}) {
    texts.Add({"dialog title", layout::dialog::kTitle, TextFormat::Centred, 0, FontRole::Title}, kind->frame.title[language]);
  }
  for (const DialogFrame* frame : {&ManageProfilesDialog::Frame(), &ProfileNameDialog::Frame(NamePurpose::Save),
                                    &ProfileNameDialog::Frame(NamePurpose::Rename),
                                    &ProfileNameDialog::Frame(NamePurpose::Duplicate)}) {
    texts.Add({"dialog title", layout::dialog::kTitle, TextFormat::Centred, 0, FontRole::Title}, frame->title[language]);
  }
  Win32FileSystem files;
  ProfileLibrary unread{files, u""};  // the labels are made without the folder
  texts.AddLabels("profiles dialog", ManageProfilesDialog(unread, language, {}).Labels());
  texts.AddLabels("profile name dialog", ProfileNameDialog(language, NamePurpose::Save, u"").Labels());
  texts.Add({"running programs", layout::profiles_dialog::kRunningDisplay, TextFormat::Centred, kFramed},
            ManageProfilesDialog::Stops(language)[ManageProfilesDialog::kRunningStop].name);
  texts.Add({"hot key field", layout::profiles_dialog::kHotKeyField, TextFormat::Left, kFramed},
            HotKeyText({7, 0x22}, language));  // Ctrl+Alt+Shift+PgDn
  texts.AddLabels("fire key dialog", FireKeyDialog(language).Labels());
  texts.AddLabels("single key dialog", SingleKeyDialog(language).Labels());
  texts.AddLabels("snipe key dialog", SelectorDialog(SnipeDialog(), language, SnipeValues(0)).Labels());
  texts.AddSelector("hot key", HotKeyDialog(), ItemsOf(HotKeyDialog(), language));
  texts.AddSelector("media key", MediaDialog(), ItemsOf(MediaDialog(), language));
  texts.AddSelector("windows key", WindowsDialog(), ItemsOf(WindowsDialog(), language));
  for (int selector = 0; selector < kDpiSelectorCount; ++selector) {
    texts.AddSelector("snipe key", SnipeDialog(), SnipeValues(selector));
  }
  for (int target = 0; target < kFireTargetCount; ++target) {
    texts.Add({"fire display", layout::fire_dialog::kDisplay, TextFormat::Centred, kFramed}, FireTargetText(target));
    texts.Add({"fire list", layout::fire_dialog::kList, TextFormat::Left, 0, FontRole::Text, kFireTargetCount},
              FireTargetText(target));
  }
}

// What a key box can name: every function with its longest parameters.
void AddKeyNames(Texts& texts) {
  const Language language = texts.language();
  const layout::Rect name = layout::KeyNameText(0);
  const Place box{"key name", {name.left, name.top, name.right - kArrowCell, name.bottom}, TextFormat::Left, 2};
  const auto prefixed = [&](int slot, std::u16string_view item) {
    texts.Add(box, std::u16string(Text(language, slot)) + u"-" + std::u16string(item));
  };
  for (int entry = 0; entry < kKeyListEntryCount; ++entry) texts.Add(box, KeyListEntry(language, entry));
  for (const std::u16string& item : ItemsOf(MediaDialog(), language)) prefixed(kSlotMultimedia, item);
  for (const std::u16string& item : ItemsOf(WindowsDialog(), language)) texts.Add(box, item);
  for (const std::u16string& item : ItemsOf(HotKeyDialog(), language)) texts.Add(box, item);
  for (int target = 0; target < kFireTargetCount; ++target) prefixed(kSlotFireKey, FireTargetText(target));
  for (std::u16string_view key : {u"Right Windows", u"Scroll Lock", u"Num Enter"}) prefixed(kSlotSingleKey, key);
  for (int selector = 0; selector < kDpiSelectorCount; ++selector) {
    for (const std::u16string& value : SnipeValues(selector)) prefixed(kSlotSnipeKey, value);
  }
  for (uint8_t sub : {uint8_t{3}, uint8_t{4}, uint8_t{5}}) texts.Add(box, DpiSubFunctionText(sub, language));
  for (const std::u16string_view entry : {DpiSubFunctionText(3, language), DpiSubFunctionText(5, language)}) {
    texts.Add({"DPI sub-list", {0, 0, kDpiSubListSize, kDpiSubListSize}, TextFormat::Left, 0, FontRole::Text, 3}, entry);
  }
}

void AddPage(Texts& texts) {
  const Language language = texts.language();
  const struct {
    int slot;
    layout::Rect rect;
  } buttons[] = {{kSlotOk, layout::kOkButton}, {kSlotApply, layout::kApplyButton}, {kSlotCancel, layout::kCancelButton},
                 {kSlotDefault, layout::kDefaultButton}};
  for (const auto& button : buttons) texts.Add({"page button", button.rect, TextFormat::Centred, kFramed}, Text(language, button.slot));
  texts.Add({"mode button", layout::kModeAButton, TextFormat::Centred, kFramed}, ModeButtonText(language, KeyMode::A));
  texts.Add({"mode button", layout::kModeBButton, TextFormat::Centred, kFramed}, ModeButtonText(language, KeyMode::B));
  const int ledSlots[] = {kSlotMode, kSlotParameter, kSlotEffect};
  for (int box = 0; box < layout::kLedBoxCount; ++box) {
    texts.Add({"LED label", layout::kLedLabels[box], TextFormat::Right}, Text(language, ledSlots[box]));
  }
  const Place value{"LED value", layout::kLedValues[0], TextFormat::Centred, 2};
  for (uint8_t mode = 0; mode < 3; ++mode) texts.Add(value, LedModeText(language, mode));
  for (uint8_t i = 0; i < kBrightnessCount; ++i) texts.Add(value, BrightnessText(i));
  for (uint8_t i = 0; i < kNeonSpeedCount; ++i) texts.Add(value, NeonSpeedText(i));
  for (uint8_t effect = 0; effect < 3; ++effect) texts.Add(value, LightEffectText(language, effect));
}

struct Measured {
  int width = 0;
  int height = 0;
};

// A single line is measured by its ink (the line's height less the font's internal
// leading, which is blank above the tallest letters); wrapped lines by all their lines.
Measured Measure(HDC dc, const std::u16string& text, TextFormat format, int width) {
  RECT area{0, 0, width, 0};
  const std::wstring wide = Wide(text);
  const UINT flags = format == TextFormat::Wrapped ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &area, flags | DT_CALCRECT | DT_NOPREFIX);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int height = format == TextFormat::Wrapped ? area.bottom - area.top : metrics.tmHeight - metrics.tmInternalLeading;
  return {area.right - area.left, height};
}

// The width a list row gives its text: the list's frame and the indent past the choice bar
// (skinned_list.cpp), and the scroll bar when the rows do not all fit.
int ListRoom(HDC dc, const layout::Rect& screen, int entries) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int row = std::max(1, static_cast<int>(metrics.tmHeight));
  const int bar = entries > (screen.Height() - 2) / row ? std::max(6, row / 2) : 0;
  return screen.Width() - 2 - 5 - 1 - bar;
}

TEST(TextFit, EveryLabelAndBoxHoldsItsTextsInEveryLanguageAtEveryScale) {
  UniqueWindowDc screen(nullptr);
  std::vector<std::string> tooBig;
  size_t measured = 0;
  for (const int dpi : {96, 144, 192}) {
    const DisplayScale scale{dpi};
    for (const Language language : kLanguages) {
      Texts texts(language);
      AddDialogs(texts);
      AddKeyNames(texts);
      AddPage(texts);
      const SkinFonts fonts = CreateSkinFonts(language, scale);
      for (const auto& [place, text] : texts.All()) {
        if (text.empty()) continue;
        ScopedSelect font(screen.get(), fonts.Of(place.role));
        const layout::Rect area = ToScreen(place.rect, scale);
        const int room = place.listEntries ? ListRoom(screen.get(), area, place.listEntries)
                                           : area.Width() - 2 * LengthToScreen(place.margin, scale);
        const Measured size = Measure(screen.get(), text, place.format, room);
        ++measured;
        if (size.width > room || size.height > area.Height()) {
          tooBig.push_back(place.what + " \"" + ToUtf8(text) + "\" at " + std::to_string(dpi * 100 / 96) + " %: " +
                           std::to_string(size.width) + " x " + std::to_string(size.height) + " in " +
                           std::to_string(room) + " x " + std::to_string(area.Height()));
        }
      }
    }
  }
  EXPECT_GT(measured, 1000u);
  EXPECT_EQ(tooBig, std::vector<std::string>{});
}

}  // namespace
}  // namespace qv::win
