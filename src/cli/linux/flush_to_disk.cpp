#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "cli/std_services.h"

namespace qv::cli {

bool FlushToDisk(const std::filesystem::path& file) {
  const int descriptor = open(file.c_str(), O_WRONLY | O_CLOEXEC);
  if (descriptor < 0) return false;
  const bool flushed = fsync(descriptor) == 0;
  const int error = errno;
  close(descriptor);
  errno = error;
  return flushed;
}

}  // namespace qv::cli
