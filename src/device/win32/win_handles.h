#pragma once
// Move-only owners for the Win32 handles of the device layer.
#include <windows.h>

#include <setupapi.h>

#include <utility>

namespace qv::win {

// A kernel handle closed with CloseHandle; null and INVALID_HANDLE_VALUE both mean none.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  HANDLE Get() const { return handle_; }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  void Reset() {
    if (Valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// A SetupAPI device information list, destroyed with SetupDiDestroyDeviceInfoList.
class UniqueDeviceInfoList {
 public:
  UniqueDeviceInfoList() = default;
  explicit UniqueDeviceInfoList(HDEVINFO list) : list_(list) {}
  UniqueDeviceInfoList(UniqueDeviceInfoList&& other) noexcept
      : list_(std::exchange(other.list_, INVALID_HANDLE_VALUE)) {}
  UniqueDeviceInfoList& operator=(UniqueDeviceInfoList&& other) noexcept {
    if (this != &other) {
      Reset();
      list_ = std::exchange(other.list_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  UniqueDeviceInfoList(const UniqueDeviceInfoList&) = delete;
  UniqueDeviceInfoList& operator=(const UniqueDeviceInfoList&) = delete;
  ~UniqueDeviceInfoList() { Reset(); }

  HDEVINFO Get() const { return list_; }
  bool Valid() const { return list_ != INVALID_HANDLE_VALUE; }
  void Reset() {
    if (Valid()) SetupDiDestroyDeviceInfoList(list_);
    list_ = INVALID_HANDLE_VALUE;
  }

 private:
  HDEVINFO list_ = INVALID_HANDLE_VALUE;
};

}  // namespace qv::win
