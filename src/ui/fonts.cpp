#include "ui/fonts.h"

namespace qv {
namespace {

constexpr std::u16string_view kSimplifiedFaces[] = {u"Microsoft YaHei UI", u"Microsoft YaHei", u"微软雅黑",
                                                    u"SimHei", u"黑体", u"SimSun", u"宋体"};
constexpr std::u16string_view kTraditionalFaces[] = {u"Microsoft JhengHei UI", u"Microsoft JhengHei", u"微軟正黑體",
                                                     u"PMingLiU", u"新細明體", u"SimHei", u"黑体"};
constexpr std::u16string_view kEnglishText[] = {u"Arial"};
constexpr std::u16string_view kEnglishTitle[] = {u"Tahoma"};

}  // namespace

FontSpec SkinFont(Language language, FontRole role) {
  constexpr int kRegular = 400;
  constexpr int kBold = 700;
  const bool title = role == FontRole::Title;
  switch (language) {
    case Language::SimplifiedChinese:
      return title ? FontSpec{18, kBold, kSimplifiedFaces} : FontSpec{13, kRegular, kSimplifiedFaces};
    case Language::TraditionalChinese:
      return title ? FontSpec{18, kBold, kTraditionalFaces} : FontSpec{14, kRegular, kTraditionalFaces};
    case Language::English:
      break;
  }
  return title ? FontSpec{18, kBold, kEnglishTitle} : FontSpec{14, kRegular, kEnglishText};
}

}  // namespace qv
