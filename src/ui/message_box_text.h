#pragma once
// A message box that the core answers for the caller to show, with an OK button.
#include <string_view>

namespace qv {

struct MessageBoxText {
  std::u16string_view text;
  std::u16string_view caption;
  friend bool operator==(const MessageBoxText&, const MessageBoxText&) = default;
};

}  // namespace qv
