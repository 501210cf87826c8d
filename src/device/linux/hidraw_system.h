#pragma once
// The few system calls the hidraw bus makes, as a seam: the real ones in
// hidraw_system_posix.cpp, a fake with descriptor bytes in the tests.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qv::linux_hid {

inline constexpr char kSysClassHidraw[] = "/sys/class/hidraw";
inline constexpr char kDevDirectory[] = "/dev";

class HidrawSystem {
 public:
  virtual ~HidrawSystem() = default;
  // The entry names of a directory (without "." and ".."); empty when it cannot be read.
  virtual std::vector<std::string> ListDirectory(const std::string& path) = 0;
  // A whole (sysfs) file, nothing when it cannot be read.
  virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
  // realpath(path): where a sysfs link leads, nothing when it cannot be resolved.
  virtual std::optional<std::string> RealPath(const std::string& path) = 0;
  // open(path, O_RDWR | O_CLOEXEC): the descriptor, or -1 with errno in `error`.
  virtual int Open(const std::string& path, int& error) = 0;
  virtual void Close(int fd) = 0;
  // ioctl(fd, request, argument): its result, -1 on failure.
  virtual int Ioctl(int fd, unsigned long request, void* argument) = 0;
};

std::unique_ptr<HidrawSystem> CreatePosixHidrawSystem();

}  // namespace qv::linux_hid
