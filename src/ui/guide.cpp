#include "ui/guide.h"

#include "ui/language.h"

namespace qv {

std::u16string GuidePath(std::u16string_view programDirectory, std::u16string_view languageCode) {
  // The code is matched as the language tables match it, so the guide always exists.
  static constexpr LanguageText kPages{u"guide-EN.html", u"guide-CHS.html", u"guide-CHT.html"};
  const std::u16string_view page = kPages[LanguageFromCode(languageCode)];
  return std::u16string(programDirectory) + u"Help\\" + std::u16string(page);
}

std::u16string GuideLocationText(Language language, std::u16string_view guidePath) {
  static constexpr LanguageText kGuideAt{u"The user's guide is in this file; open it from your desktop:",
                                         u"用户指南在此文件中，请从桌面打开：", u"使用者指南在此檔案中，請從桌面開啟："};
  return std::u16string(kGuideAt[language]) + u"\n\n" + std::u16string(guidePath);
}

}  // namespace qv
