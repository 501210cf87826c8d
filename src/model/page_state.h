#pragma once

namespace qv {

// Where the main settings page stands on the canvas.
enum class PageState { MustPaint = 0, Shown = 1, Rebuilding = 2 };

}  // namespace qv
