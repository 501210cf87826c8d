#include <cerrno>

#include "cli/std_services.h"
#include "config/win32/replace_file_win32.h"

namespace qv::cli {

bool FlushToDisk(const std::filesystem::path& file) {
  if (win::FlushToDisk(file.u16string())) return true;
  errno = EIO;  // the command line reports errno values
  return false;
}

}  // namespace qv::cli
