#include "ui/win32/skin_fonts.h"

#include <string>

#include "common/win32/wide.h"

namespace qv::win {
namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

bool Installed(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  if (face.size() >= LF_FACESIZE) return false;
  face.copy(wanted.lfFaceName, face.size());
  bool found = false;
  UniqueWindowDc screen(nullptr);
  EnumFontFamiliesExW(screen.get(), &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The first face of the list the system has; the last one when it has none, which the
// system's font mapper then stands in for.
std::wstring FaceOf(const FontSpec& spec) {
  for (std::u16string_view face : spec.faces) {
    std::wstring wide = Wide(face);
    if (Installed(wide)) return wide;
  }
  return spec.faces.empty() ? std::wstring() : Wide(spec.faces.back());
}

}  // namespace

UniqueFont CreateSkinFont(const FontSpec& spec, DisplayScale scale) {
  const std::wstring face = FaceOf(spec);
  return UniqueFont(CreateFontW(LengthToScreen(spec.height, scale), 0, 0, 0, spec.weight, FALSE, FALSE, FALSE,
                                DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20,
                                face.c_str()));
}

UniqueFont CreateSkinFont(Language language, FontRole role, DisplayScale scale) {
  return CreateSkinFont(SkinFont(language, role), scale);
}

SkinFonts CreateSkinFonts(Language language, DisplayScale scale) {
  return SkinFonts{CreateSkinFont(language, FontRole::Text, scale), CreateSkinFont(language, FontRole::Title, scale)};
}

}  // namespace qv::win
