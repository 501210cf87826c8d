#pragma once
// The skinned windows' fonts: the first installed face, height and weight of SkinFont for
// the language, made with CreateFontW.
#include <windows.h>

#include "common/win32/handles.h"
#include "ui/display_scale.h"
#include "ui/fonts.h"
#include "ui/language.h"

namespace qv::win {

// CreateFontW(height, 0, 0, 0, weight, no italic, underline or strike-out, DEFAULT_CHARSET,
// default precisions and quality, pitch-and-family 0x20, face). The height is the
// skin's, made for the scale: a font is drawn at its size, never stretched.
UniqueFont CreateSkinFont(const FontSpec& spec, DisplayScale scale = {});
// For the language.
UniqueFont CreateSkinFont(Language language, FontRole role, DisplayScale scale = {});

// A window's fonts: the text font, and the title's for the page title and a sub-dialog's.
struct SkinFonts {
  UniqueFont text;
  UniqueFont title;

  HFONT Of(FontRole role) const { return role == FontRole::Title ? title.get() : text.get(); }
};

SkinFonts CreateSkinFonts(Language language, DisplayScale scale = {});

}  // namespace qv::win
