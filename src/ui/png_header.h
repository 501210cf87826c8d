#pragma once
// A PNG's size from its first bytes, without decoding it: the window takes its background's
// size at start-up, and the image itself is decoded only when the window is first shown.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace qv {

// The signature, then the IHDR chunk's length, type, width and height (big-endian).
namespace png {
inline constexpr size_t kChunkType = 12;
inline constexpr size_t kWidth = 16;
inline constexpr size_t kHeight = 20;
inline constexpr size_t kHeaderBytes = 24;
}  // namespace png
static_assert(png::kHeight + 4 == png::kHeaderBytes);

struct PngSize {
  int width = 0;
  int height = 0;
};

// The size in a PNG's first png::kHeaderBytes bytes; none when they are not a PNG's, or the
// size is zero or beyond what a window could show.
std::optional<PngSize> PngSizeOf(std::span<const uint8_t> head);

}  // namespace qv
