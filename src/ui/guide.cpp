#include "ui/guide.h"

#include "ui/language.h"

namespace qv {

std::u16string GuidePath(std::u16string_view programDirectory, std::u16string_view languageCode) {
  // The code is matched as the language tables match it, so the guide always exists.
  static constexpr std::u16string_view kPages[] = {u"guide-EN.html", u"guide-CHS.html", u"guide-CHT.html"};
  const auto page = kPages[static_cast<int>(LanguageFromCode(languageCode))];
  return std::u16string(programDirectory) + u"Help\\" + std::u16string(page);
}

}  // namespace qv
