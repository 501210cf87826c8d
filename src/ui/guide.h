#pragma once
// The user's guide shipped beside the program, one page per language; the page's guide
// text opens the page of the language in use.
#include <string>
#include <string_view>

#include "ui/language.h"

namespace qv {

// programDirectory ends with its separator, as the local paths keep it.
std::u16string GuidePath(std::u16string_view programDirectory, std::u16string_view languageCode);

// Where the guide is, said instead of opening it when only this elevated process could:
// the browser would get the administrator's rights.
std::u16string GuideLocationText(Language language, std::u16string_view guidePath);

}  // namespace qv
