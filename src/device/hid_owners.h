#pragma once
// Move-only owners for what a HidBus hands out: a device handle, preparsed data and one
// enumeration. Each gives its resource back exactly once, on Reset or destruction.
#include <utility>

#include "device/hid_bus.h"

namespace qv {

class HidHandleOwner {
 public:
  HidHandleOwner() = default;
  HidHandleOwner(HidBus& bus, HidHandle handle) : bus_(&bus), handle_(handle) {}
  HidHandleOwner(HidHandleOwner&& other) noexcept
      : bus_(other.bus_), handle_(std::exchange(other.handle_, kInvalidHidHandle)) {}
  HidHandleOwner& operator=(HidHandleOwner&& other) noexcept {
    if (this != &other) {
      Reset();
      bus_ = other.bus_;
      handle_ = std::exchange(other.handle_, kInvalidHidHandle);
    }
    return *this;
  }
  HidHandleOwner(const HidHandleOwner&) = delete;
  HidHandleOwner& operator=(const HidHandleOwner&) = delete;
  ~HidHandleOwner() { Reset(); }

  HidHandle Get() const { return handle_; }
  bool IsOpen() const { return handle_ != kInvalidHidHandle; }
  void Reset() {
    if (IsOpen()) bus_->Close(std::exchange(handle_, kInvalidHidHandle));
  }

 private:
  HidBus* bus_ = nullptr;
  HidHandle handle_ = kInvalidHidHandle;
};

class PreparsedOwner {
 public:
  PreparsedOwner(HidBus& bus, HidPreparsed preparsed) : bus_(&bus), preparsed_(preparsed) {}
  PreparsedOwner(const PreparsedOwner&) = delete;
  PreparsedOwner& operator=(const PreparsedOwner&) = delete;
  ~PreparsedOwner() { Reset(); }

  HidPreparsed Get() const { return preparsed_; }
  explicit operator bool() const { return preparsed_ != kNoPreparsed; }
  void Reset() {
    if (preparsed_ != kNoPreparsed) bus_->FreePreparsedData(std::exchange(preparsed_, kNoPreparsed));
  }

 private:
  HidBus* bus_;
  HidPreparsed preparsed_;
};

// Begins an enumeration on construction and ends it (destroying the list) when it goes.
class EnumerationScope {
 public:
  explicit EnumerationScope(HidBus& bus) : bus_(bus), begun_(bus.BeginEnumeration()) {}
  EnumerationScope(const EnumerationScope&) = delete;
  EnumerationScope& operator=(const EnumerationScope&) = delete;
  ~EnumerationScope() { End(); }

  bool Begun() const { return begun_; }
  void End() {
    if (std::exchange(begun_, false)) bus_.EndEnumeration();
  }

 private:
  HidBus& bus_;
  bool begun_;
};

}  // namespace qv
