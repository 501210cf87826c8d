#include "ui/png_header.h"

#include <algorithm>

namespace qv {
namespace {

constexpr uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kHeaderChunk[] = {'I', 'H', 'D', 'R'};
constexpr uint32_t kLargestSide = 1u << 15;

uint32_t LoadBE32(std::span<const uint8_t> bytes, size_t offset) {
  return (uint32_t{bytes[offset]} << 24) | (uint32_t{bytes[offset + 1]} << 16) | (uint32_t{bytes[offset + 2]} << 8) |
         uint32_t{bytes[offset + 3]};
}

}  // namespace

std::optional<PngSize> PngSizeOf(std::span<const uint8_t> head) {
  if (head.size() < png::kHeaderBytes || !std::equal(std::begin(kSignature), std::end(kSignature), head.begin()) ||
      !std::equal(std::begin(kHeaderChunk), std::end(kHeaderChunk), head.begin() + png::kChunkType)) {
    return std::nullopt;
  }
  const uint32_t width = LoadBE32(head, png::kWidth);
  const uint32_t height = LoadBE32(head, png::kHeight);
  if (width == 0 || height == 0 || width > kLargestSide || height > kLargestSide) return std::nullopt;
  return PngSize{static_cast<int>(width), static_cast<int>(height)};
}

}  // namespace qv
