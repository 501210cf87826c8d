// Writes the default config.bin and str.ini of an installation into the current directory
// (or the directory given as the only argument), from the core's own record layout.
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "config/defaults.h"
#include "config/local_files.h"
#include "config/settings.h"
#include "config/settings_file.h"
#include "ui/language.h"

namespace {

std::string SettingsBytes() {
  const std::vector<uint8_t> bytes = qv::Utf16LeWithBom(qv::DefaultSettingsText());
  return std::string(bytes.begin(), bytes.end());
}

bool WriteFile(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = argc > 1 ? std::string(argv[1]) + "/" : std::string();
  const auto config = qv::ConfigFileContent(0, qv::DefaultRecord());
  const std::string_view configBytes(reinterpret_cast<const char*>(config.data()), config.size());
  if (!WriteFile(dir + "config.bin", configBytes) || !WriteFile(dir + "str.ini", SettingsBytes())) {
    std::fprintf(stderr, "make_defaults: cannot write into '%s'\n", dir.c_str());
    return 1;
  }
  return 0;
}
