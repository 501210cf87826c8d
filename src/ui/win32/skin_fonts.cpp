#include "ui/win32/skin_fonts.h"

#include <string>

#include "common/win32/wide.h"

namespace qv::win {

UniqueFont CreateSkinFont(const FontSpec& spec, DisplayScale scale) {
  const std::wstring face = Wide(spec.face);
  return UniqueFont(CreateFontW(LengthToScreen(spec.height, scale), 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20, face.c_str()));
}

UniqueFont CreateSkinFont(Language language, FontRole role, DisplayScale scale) {
  const DWORD version = GetVersion();
  const auto major = static_cast<unsigned>(LOBYTE(LOWORD(version)));
  const auto minor = static_cast<unsigned>(HIBYTE(LOWORD(version)));
  return CreateSkinFont(SkinFont(language, role, major, minor), scale);
}

SkinFonts CreateSkinFonts(Language language, DisplayScale scale) {
  return SkinFonts{CreateSkinFont(language, FontRole::Text, scale), CreateSkinFont(language, FontRole::Title, scale)};
}

}  // namespace qv::win
