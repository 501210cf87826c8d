#pragma once
// Drawing a skin image with its alpha onto a memory device context.
#include <windows.h>

#include <string>
#include <string_view>

#include "common/platform.h"
#include "ui/win32/skin_image.h"

namespace qv::win {

// What a sub-dialog painter shows for every image it cannot draw.
inline constexpr std::u16string_view kImageFailedText = u"LoadPng---Load image failed.";

// Shows kImageFailedText with the application title as caption, when given a reporter.
void ReportImageFailure(MessageBoxes* reportFailures);

// Blends the whole image at natural size with its top-left corner at (x, y) of `target`
// (AC_SRC_OVER, constant alpha 255, AC_SRC_ALPHA). `scratch` is a memory device context
// the image is selected into for the call.
bool BlendImage(HDC target, HDC scratch, const PremultipliedImage& image, int x, int y);

// Decodes the file and blends it at (x, y). False when `memoryDc` is null or the image
// cannot be decoded; then, if `reportFailures` is given, it shows kImageFailedText with
// the application title as caption (the sub-dialog painters; the main window passes none).
bool DrawSkinImage(HDC memoryDc, const std::u16string& path, int x, int y, MessageBoxes* reportFailures = nullptr);

}  // namespace qv::win
