#include "ui/fonts.h"

namespace qv {

FontSpec SkinFont(Language language, FontRole role, unsigned winMajor, unsigned winMinor) {
  constexpr int kRegular = 400;
  constexpr int kBold = 700;
  const bool title = role == FontRole::Title;
  switch (language) {
    case Language::SimplifiedChinese: {
      const std::u16string_view face = (winMajor == 6 && winMinor == 2) ? u"黑体" : u"宋体";
      return title ? FontSpec{18, kBold, face} : FontSpec{13, kRegular, face};
    }
    case Language::TraditionalChinese:
      return title ? FontSpec{18, kBold, u"黑体"} : FontSpec{14, kRegular, u"黑体"};
    case Language::English:
      break;
  }
  return title ? FontSpec{18, kBold, u"Tahoma"} : FontSpec{14, kRegular, u"Arial"};
}

}  // namespace qv
