#include "ui/png_header.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

// A background's first bytes (768 x 660), broken one thing at a time.
TEST(PngSizeOf, ReadsTheSizeOfAPngAndNothingElse) {
  const std::vector<uint8_t> valid = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                                      0,    0,   3,   0,   0,   0,    2,    0x94};
  struct Case {
    const char* what;
    size_t offset;
    uint8_t value;
  };
  const Case broken[] = {
      {"signature", 1, 'J'},       {"a chunk other than IHDR first", 12, 'i'}, {"zero width", 18, 0},
      {"a width beyond any screen", 16, 1},
  };
  const std::optional<PngSize> size = PngSizeOf(valid);
  ASSERT_TRUE(size);
  EXPECT_EQ(size->width, 768);
  EXPECT_EQ(size->height, 660);
  EXPECT_FALSE(PngSizeOf(std::span(valid).first(png::kHeaderBytes - 1))) << "cut short";
  for (const Case& c : broken) {
    std::vector<uint8_t> head = valid;
    head[c.offset] = c.value;
    EXPECT_FALSE(PngSizeOf(head)) << c.what;
  }
}

}  // namespace
}  // namespace qv
