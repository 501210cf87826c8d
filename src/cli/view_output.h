#pragma once
// The dump's two forms: lines for people and one JSON object for scripts.
#include <string>

#include "cli/mouse_view.h"

namespace qv::cli {

std::string ViewText(const MouseView& view);
std::string ViewJson(const MouseView& view);

}  // namespace qv::cli
