#pragma once
// One `set` applied to the image read from the mouse, through the same field writers the
// Apply pipeline uses; every other byte stays as the mouse sent it.
#include <optional>
#include <string>

#include "cli/arguments.h"
#include "model/config_image.h"

namespace qv::cli {

// Nothing when the change is made, otherwise the sentence saying why it does not fit this
// mouse (the image is then unchanged).
std::optional<std::string> ApplyChange(const Change& change, ConfigImage& image);

}  // namespace qv::cli
