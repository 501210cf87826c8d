#pragma once
// UTF-16 text helpers for the portable core. The core keeps every user-visible string
// as UTF-16 (std::u16string), the Win32 layer hands it to the W functions unchanged.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// "%d" of a signed integer, as the formatted messages need it.
std::u16string DecimalText(int64_t value);

// Decimal conversion of the C library's atoi: leading blanks skipped, an optional sign,
// digits until the first non-digit, no digits gives 0. Saturates instead of overflowing.
int64_t ParseDecimalPrefix(std::u16string_view text);

// Replaces every occurrence of `what` (exact, case-sensitive, left to right, no
// overlaps) and answers how many were replaced.
int ReplaceAll(std::u16string& text, std::u16string_view what, std::u16string_view with);

}  // namespace qv
