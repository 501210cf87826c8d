#include "device/scramble.h"

#include <gtest/gtest.h>

#include <array>
#include <random>

#include "device/reports.h"
#include "reference_scramble.h"

namespace qv {
namespace {

using Bytes8 = std::array<uint8_t, 8>;

Bytes8 Scrambled(Bytes8 unit) {
  ScrambleGroup(unit);
  return unit;
}

TEST(Rotation, LeftByTwoCarriesTheTopBitsRoundTo56Bits) {
  Bytes8 unit{0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0x01};
  StoreUnitValue(unit, RotateLeft56(LoadUnitValue(unit), 2));
  EXPECT_EQ(unit, (Bytes8{0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06}));
  EXPECT_EQ(RotateRight56(0x06, 2), 0x80000000000001u);
  EXPECT_EQ(RotateLeft56(0x12345678ABCDEF, 56), 0x12345678ABCDEFu);
}

TEST(Scrambling, KnownUnitsMatchTheKeyAndRotations) {
  EXPECT_EQ(Scrambled({0x01, 0xAA, 0xCC, 0xEE, 0xDD, 0x80, 0x00, 0x00}),
            (Bytes8{0x01, 0x7E, 0xE5, 0xA5, 0x14, 0x44, 0xED, 0x1C}));
  EXPECT_EQ(Scrambled({0x00, 0, 0, 0, 0, 0, 0, 0}), (Bytes8{0x00, 0x2B, 0x83, 0xD2, 0x7A, 0x84, 0xED, 0x1C}));
  EXPECT_EQ(Scrambled({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}),
            (Bytes8{0xFF, 0xD4, 0x7C, 0x2D, 0x85, 0x7B, 0x12, 0xE3}));
}

TEST(Scrambling, RandomUnitsMatchTheBitModelAndRoundTrip) {
  std::mt19937 random(318);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int n = 0; n < 5000; ++n) {
    Bytes8 original;
    for (uint8_t& b : original) b = static_cast<uint8_t>(byte(random));
    Bytes8 unit = original;
    ScrambleGroup(unit);
    const std::vector<uint8_t> expected = test::ReferenceScrambleUnit(original);
    ASSERT_TRUE(std::equal(unit.begin(), unit.end(), expected.begin())) << "unit " << n;
    EXPECT_EQ(unit[0], original[0]);
    UnscrambleGroup(unit);
    ASSERT_EQ(unit, original) << "unit " << n;
  }
}

TEST(Scrambling, DataReportLeavesTheIdAndEveryEighthBlockByteClear) {
  ReportBuffer report{};
  for (size_t i = 0; i < kDataReportSize; ++i) report[i] = static_cast<uint8_t>(i * 3 + 1);
  const ReportBuffer original = report;
  ScrambleDataReport(report);
  const std::vector<uint8_t> expected =
      test::ReferenceScramble(std::span<const uint8_t>(original.data(), kDataReportSize), kBlockOffset);
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), report.begin()));
  for (size_t i = 0; i < kDataReportSize; ++i) {
    if (i == 0 || (i - 1) % 8 == 0) {
      EXPECT_EQ(report[i], original[i]) << "byte " << i;
    }
  }
  EXPECT_TRUE(std::equal(report.begin() + kDataReportSize, report.end(), original.begin() + kDataReportSize));
  UnscrambleDataReport(report);
  EXPECT_EQ(report, original);
}

TEST(CommandReport, IsBuiltPlainOrScrambledInAZeroedBuffer) {
  ReportBuffer buffer;
  buffer.fill(0x77);
  BuildCommandReport(buffer, 0x00, 0x04, 0x02, false);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 8),
            (std::vector<uint8_t>{0x01, 0xAA, 0xCC, 0xEE, 0xDD, 0x00, 0x04, 0x02}));
  EXPECT_TRUE(std::all_of(buffer.begin() + 8, buffer.end(), [](uint8_t b) { return b == 0; }));
  BuildCommandReport(buffer, 0x80, 0, 0, true);
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin(), buffer.begin() + 8),
            (std::vector<uint8_t>{0x01, 0x7E, 0xE5, 0xA5, 0x14, 0x44, 0xED, 0x1C}));
}

}  // namespace
}  // namespace qv
