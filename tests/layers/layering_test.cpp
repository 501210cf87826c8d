// Dependencies between the folders of src/ flow one way. The table below is the one place
// that says which folder may include which; the README describes it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

namespace fs = std::filesystem;

// Besides itself, each folder may include only these. A win32/ or linux/ folder follows
// its parent's row; a win32/ folder may also include common/win32.
const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"common", {}},
    {"model", {"common"}},
    {"ui", {"model", "common"}},
    {"keyassign", {"ui", "model", "common"}},
    {"config", {"keyassign", "ui", "model", "common"}},
    {"device", {"config", "model", "common"}},
    {"skins", {"keyassign", "ui", "model", "common"}},  // the skins dialog is built on the sub-dialog frame
    {"profiles", {"config", "keyassign", "ui", "model", "common"}},
    {"app", {"profiles", "skins", "device", "config", "keyassign", "ui", "model", "common"}},
    // The command line is a front end beside app, with no windows and no skins.
    {"cli", {"profiles", "device", "config", "keyassign", "ui", "model", "common"}},
};

// System headers that only the Win32 layer may use.
const std::set<std::string> kWindowsHeaders = {
    "windows.h", "windowsx.h", "winuser.h", "wingdi.h", "setupapi.h", "hidsdi.h", "hidpi.h", "hidusage.h",
    "dbt.h",     "gdiplus.h",  "commctrl.h", "commdlg.h", "shellapi.h", "shlwapi.h", "objidl.h", "tchar.h",
};

// System headers that only a linux/ folder (device/linux: the hidraw bus) may use.
const std::set<std::string> kLinuxHeaders = {
    "linux/hidraw.h", "linux/hid.h", "linux/input.h", "sys/ioctl.h", "fcntl.h", "unistd.h", "dirent.h",
};

struct SourceFile {
  std::string path;  // relative to src/, with forward slashes
  std::string text;
};

bool IsWin32(const std::string& path) { return path.find("/win32/") != std::string::npos; }
bool IsLinux(const std::string& path) { return path.find("/linux/") != std::string::npos; }
std::string FolderOf(const std::string& path) { return path.substr(0, path.find('/')); }

std::vector<std::string> Violations(const std::vector<SourceFile>& files) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
  std::vector<std::string> found;
  for (const SourceFile& file : files) {
    const std::string folder = FolderOf(file.path);
    const auto rule = kMayInclude.find(folder);
    if (rule == kMayInclude.end()) {
      found.push_back(file.path + ": folder not in the table");
      continue;
    }
    std::istringstream lines(file.text);
    for (std::string line; std::getline(lines, line);) {
      std::smatch match;
      if (!std::regex_search(line, match, kInclude)) continue;
      const std::string target = match[2];
      if (match[1] == "<") {
        std::string name = target;
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        if (!IsWin32(file.path) && kWindowsHeaders.count(name)) found.push_back(file.path + ": <" + target + ">");
        if (!IsLinux(file.path) && kLinuxHeaders.count(name)) found.push_back(file.path + ": <" + target + ">");
        continue;
      }
      if (target.find('/') == std::string::npos) continue;  // generated headers such as resource.h
      const std::string targetFolder = FolderOf(target);
      const bool allowedFolder = targetFolder == folder || rule->second.count(targetFolder) > 0;
      const bool allowedWin32 = !IsWin32(target) || IsWin32(file.path);
      const bool allowedLinux = !IsLinux(target) || IsLinux(file.path);
      if (!allowedFolder || !allowedWin32 || !allowedLinux) found.push_back(file.path + ": \"" + target + "\"");
    }
  }
  return found;
}

std::vector<SourceFile> SourceTree() {
  const fs::path root = fs::path(QV_SOURCE_DIR) / "src";
  std::vector<SourceFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string ext = entry.path().extension().string();
    if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
    std::ifstream in(entry.path());
    std::stringstream text;
    text << in.rdbuf();
    files.push_back({fs::relative(entry.path(), root).generic_string(), text.str()});
  }
  return files;
}

TEST(Layering, TheSourceTreeKeepsTheTable) {
  const std::vector<SourceFile> files = SourceTree();
  ASSERT_GT(files.size(), 50u);
  EXPECT_THAT(Violations(files), ::testing::IsEmpty());
}

TEST(Layering, EachKindOfViolationIsFound) {
  const std::vector<SourceFile> bad = {
      {"model/a.h", "#include \"config/apply.h\"\n"},           // the model uses only common
      {"ui/b.cpp", "#include \"app/notices.h\"\n"},              // upwards
      {"device/c.h", "  #  include <Windows.h>\n"},              // a portable file
      {"config/d.cpp", "#include \"common/win32/wide.h\"\n"},   // portable using Win32
      {"widgets/e.h", ""},                                       // a folder nobody placed
      {"cli/f.cpp", "#include <sys/ioctl.h>\n"},                 // Linux calls outside linux/
      {"cli/g.cpp", "#include \"device/linux/hidraw_hid_bus.h\"\n"},  // portable using the Linux bus
      {"cli/h.cpp", "#include \"app/notices.h\"\n"},            // the command line beside app
  };
  for (const SourceFile& file : bad) EXPECT_EQ(Violations({file}).size(), 1u) << file.path;
  EXPECT_THAT(Violations({{"config/win32/f.cpp", "#include <windows.h>\n#include \"common/win32/wide.h\"\n"
                                                 "#include \"resource.h\"\n#include \"ui/language.h\"\n"}}),
              ::testing::IsEmpty());
}

}  // namespace
}  // namespace qv
