#pragma once
// Recording fakes of the platform services the device link uses.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "common/platform.h"

namespace qv::test {

struct FakeMessageBoxes : MessageBoxes {
  struct Shown {
    std::u16string text;
    std::u16string caption;
  };
  std::vector<Shown> shown;
  void Show(std::u16string_view text, std::u16string_view caption) override {
    shown.push_back({std::u16string(text), std::u16string(caption)});
  }
};

struct FakePause : Pause {
  std::vector<uint32_t> pauses;
  void Sleep(uint32_t milliseconds) override { pauses.push_back(milliseconds); }
};

struct FakeShell : ShellActions {
  std::vector<std::pair<uint32_t, int64_t>> notices;
  int hides = 0;
  int settingsShown = 0;
  void SendNotice(uint32_t kind, int64_t value) override { notices.emplace_back(kind, value); }
  void HideMainWindow() override { ++hides; }
  uint32_t ShowMouseSettings() override {
    ++settingsShown;
    return 14;  // the mouse found
  }
};

struct FakeTrace : DebugTrace {
  std::vector<std::u16string> lines;
  void Write(std::u16string_view text) override { lines.emplace_back(text); }
};

}  // namespace qv::test
