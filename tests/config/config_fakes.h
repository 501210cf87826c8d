#pragma once
// Recording fakes of the services the configuration code calls.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "common/platform.h"
#include "common/text.h"
#include "config/local_files.h"
#include "config/mouse_link.h"
#include "config/settings.h"

namespace qv::fakes {

// One line per call into any fake, so tests can check the order across services.
using CallLog = std::vector<std::string>;

struct Message {
  std::u16string text;
  std::u16string caption;
  friend bool operator==(const Message&, const Message&) = default;
};

class RecordingMessages : public MessageBoxes {
 public:
  explicit RecordingMessages(CallLog* log = nullptr) : log_(log) {}
  void Show(std::u16string_view text, std::u16string_view caption) override {
    shown.push_back({std::u16string(text), std::u16string(caption)});
    if (log_) log_->push_back("message " + ToUtf8(text));
  }
  std::vector<Message> shown;

 private:
  CallLog* log_;
};

// The transfer lock: answers `wait`, logs what it is asked.
class RecordingLock : public TransferLock {
 public:
  explicit RecordingLock(CallLog* log = nullptr) : log_(log) {}
  LockWait Acquire() override {
    if (log_) log_->push_back("Lock");
    held = wait != LockWait::Busy;
    return wait;
  }
  void Release() override {
    if (log_) log_->push_back("Unlock");
    held = false;
  }
  LockWait wait = LockWait::Free;
  bool held = false;

 private:
  CallLog* log_;
};

// The mouse: serves `memory` on a read, keeps what is written.
class FakeMouse : public MouseLink {
 public:
  explicit FakeMouse(CallLog* log = nullptr) : log_(log) {}
  bool GetDPIStage(ConfigImage& image) override {
    Log("GetDPIStage");
    if (!statusOk) return false;
    image.StatusRate() = memory.StatusRate();
    image.StatusStage() = memory.StatusStage();
    return true;
  }
  bool ReadOperation(ConfigImage& image) override {
    Log("ReadOperation");
    imageZeroedBeforeRead.push_back(image.bytes == ConfigImage{}.bytes);
    if (!readOk) return false;
    image = memory;
    return true;
  }
  WriteResult WriteOperation(const ConfigImage& image) override {
    Log("WriteOperation");
    written.push_back(image);
    if (!statusOk) return WriteResult::Unanswered;
    if (!writeOk) return WriteResult::Incomplete;
    memory = image;
    return WriteResult::Complete;
  }

  ConfigImage memory;
  bool statusOk = true;
  bool readOk = true;
  bool writeOk = true;  // false: the status answers, a later transfer fails
  std::vector<ConfigImage> written;
  std::vector<bool> imageZeroedBeforeRead;

 private:
  void Log(const char* what) {
    if (log_) log_->push_back(what);
  }
  CallLog* log_;
};

class FakeFiles : public FileSystem {
 public:
  explicit FakeFiles(CallLog* log = nullptr) : log_(log) {}
  bool Exists(std::u16string_view path) override { return files.count(std::u16string(path)) > 0; }
  std::optional<std::vector<uint8_t>> Read(std::u16string_view path, size_t maxSize) override {
    reads.emplace_back(path);
    const auto it = files.find(std::u16string(path));
    if (it == files.end() || unreadable.count(it->first) || it->second.size() > maxSize) return std::nullopt;
    return it->second;
  }
  bool Replace(std::u16string_view path, std::span<const uint8_t> content) override {
    if (log_) log_->push_back("Replace " + ToUtf8(path));
    writes.emplace_back(path);
    if (readOnly.count(std::u16string(path))) {
      error = 5;  // access denied
      return false;
    }
    files[std::u16string(path)].assign(content.begin(), content.end());
    return true;
  }
  bool Create(std::u16string_view path, std::span<const uint8_t> content) override {
    if (log_) log_->push_back("Create " + ToUtf8(path));
    files[std::u16string(path)].assign(content.begin(), content.end());
    return true;
  }
  bool Remove(std::u16string_view path) override {
    if (log_) log_->push_back("Remove " + ToUtf8(path));
    files.erase(std::u16string(path));
    return true;
  }
  std::optional<std::vector<std::u16string>> FileNames(std::u16string_view) override { return std::nullopt; }
  bool Rename(std::u16string_view, std::u16string_view) override { return false; }
  bool MakeFolder(std::u16string_view) override { return false; }
  uint32_t LastError() override { return error; }

  std::map<std::u16string, std::vector<uint8_t>> files;
  std::set<std::u16string> unreadable;
  std::set<std::u16string> readOnly;
  std::vector<std::u16string> reads;
  std::vector<std::u16string> writes;
  uint32_t error = 0;

 private:
  CallLog* log_;
};

class FakeProfile : public ProfileStore {
 public:
  explicit FakeProfile(CallLog* log = nullptr) : log_(log) {}
  using Key = std::tuple<std::u16string, std::u16string, std::u16string>;  // file, section, key
  std::u16string Get(std::u16string_view file, std::u16string_view section, std::u16string_view key) override {
    gets.push_back(ToUtf8(section) + "/" + ToUtf8(key));
    const auto it = values.find(Key(file, section, key));
    return it == values.end() ? std::u16string() : it->second;
  }
  void Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
           std::u16string_view value) override {
    puts.push_back(ToUtf8(section) + "/" + ToUtf8(key) + "=" + ToUtf8(value));
    if (log_) log_->push_back("Put " + ToUtf8(key));
    values[Key(file, section, key)] = std::u16string(value);
  }

  bool PutAll(std::u16string_view file, std::u16string_view section, std::span<const ProfileEntry> entries) override {
    return !refusePuts && ProfileStore::PutAll(file, section, entries);
  }
  std::u16string LastErrorText() override { return u"the file is read-only"; }

  std::map<Key, std::u16string> values;
  std::vector<std::string> gets;
  std::vector<std::string> puts;
  bool refusePuts = false;

 private:
  CallLog* log_;
};

}  // namespace qv::fakes
