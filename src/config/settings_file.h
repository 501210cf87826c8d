#pragma once
// str.ini as a whole file: the one an installation starts with, and the form the profile
// functions keep every text in (UTF-16 little-endian with a byte-order mark; in a file
// without one they write the ANSI code page, and Chinese captions become "??").
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The default str.ini: Path, the text colour and the key names of every language; no
// "Lan", so that a first start speaks the display language of Windows.
std::u16string DefaultSettingsText();

// Text as UTF-16 little-endian bytes after a byte-order mark.
std::vector<uint8_t> Utf16LeWithBom(std::u16string_view text);

// The same contents in the form above: a UTF-16LE file as it is; UTF-8 (with or without a
// byte-order mark, as editors save it) decoded; anything else decoded by `fromAnsi`, as the
// profile functions read a file without a mark.
std::vector<uint8_t> SettingsFileAsUtf16(std::span<const uint8_t> content,
                                         const std::function<std::u16string(std::string_view)>& fromAnsi);

}  // namespace qv
