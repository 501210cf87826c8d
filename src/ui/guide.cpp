#include "ui/guide.h"

#include "ui/language.h"

namespace qv {

std::u16string GuidePath(std::u16string_view programDirectory, std::u16string_view languageCode) {
  // The code is matched as the language tables match it, so the guide always exists.
  static constexpr LanguageText kPages{u"guide-EN.html", u"guide-CHS.html", u"guide-CHT.html"};
  const std::u16string_view page = kPages[LanguageFromCode(languageCode)];
  return std::u16string(programDirectory) + u"Help\\" + std::u16string(page);
}

}  // namespace qv
