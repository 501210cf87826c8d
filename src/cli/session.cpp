#include "cli/session.h"

#include <algorithm>
#include <vector>

#include "config/mouse_link.h"

namespace qv::cli {

Session::Session(HidBus& bus, Pause& pause) : link_(bus, state_, boxes_), protocol_(link_, state_, boxes_, pause) {}

bool Session::Read(ConfigImage& image) { return ReadMouseMemory(protocol_, state_, image); }

std::optional<std::string> Session::Verify(const ConfigImage& written) {
  ConfigImage actual;
  if (!Read(actual)) return "the mouse did not answer when read back, so the write is not verified.";
  const std::string differences = Differences(written, actual);
  if (differences.empty()) return std::nullopt;
  return "the mouse read back differs from what was written in " + differences + ".";
}

std::string Differences(const ConfigImage& expected, const ConfigImage& actual) {
  std::vector<std::string> parts;
  if (expected.bytes[ConfigImage::kStatusRate] != actual.bytes[ConfigImage::kStatusRate]) parts.push_back("the report rate");
  for (size_t block = 1; block <= kBlockCount; ++block) {
    const size_t first = kStatusSize + kBlockSize * (block - 1);
    if (!std::equal(expected.bytes.begin() + first, expected.bytes.begin() + first + kBlockSize,
                    actual.bytes.begin() + first)) {
      parts.push_back("block " + std::to_string(block));
    }
  }
  std::string text;
  for (size_t i = 0; i < parts.size(); ++i) {
    text += (i == 0 ? "" : i + 1 == parts.size() ? " and " : ", ") + parts[i];
  }
  return text;
}

}  // namespace qv::cli
