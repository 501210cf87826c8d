#include <dirent.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "device/linux/hidraw_system.h"

namespace qv::linux_hid {
namespace {

class PosixHidrawSystem final : public HidrawSystem {
 public:
  std::vector<std::string> ListDirectory(const std::string& path) override {
    std::vector<std::string> names;
    DIR* dir = opendir(path.c_str());
    if (dir == nullptr) return names;
    while (const dirent* entry = readdir(dir)) {
      const std::string name = entry->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
    return names;
  }
  std::optional<std::string> ReadFile(const std::string& path) override {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  std::optional<std::string> RealPath(const std::string& path) override {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    std::string result = resolved;
    free(resolved);
    return result;
  }
  int Open(const std::string& path, int& error) override {
    const int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
    error = fd < 0 ? errno : 0;
    return fd;
  }
  void Close(int fd) override { close(fd); }
  int Ioctl(int fd, unsigned long request, void* argument) override { return ioctl(fd, request, argument); }
};

}  // namespace

std::unique_ptr<HidrawSystem> CreatePosixHidrawSystem() { return std::make_unique<PosixHidrawSystem>(); }

}  // namespace qv::linux_hid
