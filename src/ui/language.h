#pragma once
// The main window's 49 text slots in three languages, chosen by the language code.
#include <array>
#include <cstddef>
#include <string_view>

namespace qv {

enum class Language { English, SimplifiedChinese, TraditionalChinese };
inline constexpr size_t kLanguageCount = 3;
static_assert(static_cast<size_t>(Language::TraditionalChinese) + 1 == kLanguageCount);

// One text in every language, in the order of Language. Every table of texts is made of
// these, so a language added above makes each entry that lacks its text fail to compile.
class LanguageText {
 public:
  template <typename... Texts>
    requires(sizeof...(Texts) == kLanguageCount)
  constexpr LanguageText(Texts... texts) : texts_{std::u16string_view(texts)...} {}

  constexpr std::u16string_view operator[](Language language) const {
    return texts_[static_cast<size_t>(language)];
  }

 private:
  std::array<std::u16string_view, kLanguageCount> texts_;
};

// The captions of message boxes and balloon notices.
inline constexpr LanguageText kInfoCaption{u"Info", u"提示", u"提示"};
inline constexpr LanguageText kWarningCaption{u"Warning", u"警告", u"警告"};

// Exact, case-sensitive comparison with "CHS" and "CHT"; anything else is English.
Language LanguageFromCode(std::u16string_view code);

inline constexpr int kTextSlotCount = 49;

// Named slots the code refers to; the numbers are the table's.
enum TextSlot : int {
  kSlotBasicSettings = 1, kSlotOk = 2, kSlotApply = 3, kSlotCancel = 4, kSlotDefault = 5,
  kSlotLeftClick = 6, kSlotRightClick = 7, kSlotMidClick = 8, kSlotForward = 9,
  kSlotBackward = 10, kSlotDpiSwitch = 11, kSlotShift = 12, kSlotWindows = 13,
  kSlotMultimedia = 14, kSlotHotKey = 15, kSlotFireKey = 16, kSlotSingleKey = 17,
  kSlotSnipeKey = 18, kSlotKeyOff = 19, kSlotLeftKeyRequired = 20, kSlotKeySetting = 21,
  kSlotReportRateSetting = 22, kSlotDpiSetting = 23, kSlotDpiEffect = 24, kSlotMode = 25,
  kSlotParameter = 26, kSlotEffect = 27, kSlotLedOff = 28, kSlotLedStandard = 29,
  kSlotLedNeon = 30, kSlotNonDisplay = 31, kSlotRgbEffect = 32, kSlotRgbFlash = 33,
  kSlotWebAddress = 34, kSlotRate1000 = 35, kSlotRate500 = 36, kSlotRate250 = 37,
  kSlotRate125 = 38, kSlotDpiStage1 = 39, kSlotDpiStage2 = 40, kSlotDpiStage3 = 41,
  kSlotDpiStage4 = 42, kSlotKeyMatrix1 = 43, kSlotKeyMatrix2 = 44, kSlotMacro = 45,
  kSlotExit = 46, kSlotMouseMissing = 47, kSlotMouseFound = 48, kSlotKeyNameSection = 49,
};

// Slot 1..49 in the given language; an empty view for any other number.
std::u16string_view Text(Language language, int slot);

}  // namespace qv
