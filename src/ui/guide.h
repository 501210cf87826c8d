#pragma once
// The user's guide shipped beside the program, one page per language; the page's guide
// text opens the page of the language in use.
#include <string>
#include <string_view>

namespace qv {

// programDirectory ends with its separator, as the local paths keep it.
std::u16string GuidePath(std::u16string_view programDirectory, std::u16string_view languageCode);

}  // namespace qv
