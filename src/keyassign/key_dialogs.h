#pragma once
// The key-function sub-dialogs as the dispatcher sees them: what each answers on OK.
#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// A selector dialog's answer on OK: the position picked and its text.
struct Choice {
  int index = 0;
  std::u16string text;
  friend bool operator==(const Choice&, const Choice&) = default;
};

// The fire key dialog's answer on OK.
struct FireChoice {
  int target = 0;         // position in the fire target list
  uint8_t times = 0;      // 0..127, 0 = fire until released
  uint8_t makeTime = 0;   // shared by every fire key
  uint8_t breakTime = 0;  // shared by every fire key
};

// The single key dialog's answer on OK: the key's name as the system gives it and its
// keyboard usage (0 when neither the name nor the scan code is known; empty when no key
// was pressed).
struct SingleKey {
  std::u16string name;
  uint8_t usage = 0;
  friend bool operator==(const SingleKey&, const SingleKey&) = default;
};

// The sub-dialogs, run modally by the caller. Each opens on what the key it edits holds
// (`current`: the item's position, the fire values, the key; the snipe DPI and the fire
// times are those every such key shares), and answers its result after OK, none after
// Cancel, close, Esc or a background that failed to load.
class KeyDialogs {
 public:
  virtual ~KeyDialogs() = default;
  virtual std::optional<Choice> RunWindows(int current) = 0;
  virtual std::optional<Choice> RunMedia(int current) = 0;
  virtual std::optional<Choice> RunHotKey(int current) = 0;
  virtual std::optional<FireChoice> RunFire(const FireChoice& current) = 0;
  virtual std::optional<SingleKey> RunSingle(const SingleKey& current) = 0;
  virtual std::optional<Choice> RunSnipe(int current) = 0;
};

}  // namespace qv
