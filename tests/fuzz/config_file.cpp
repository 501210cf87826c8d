// config.bin as found on disk (any length, any bytes) and the module path it is derived
// from: a 200-byte file loads exactly, any other leaves the record alone, the executable is
// never taken for it, and what reads the loaded record copes with every byte value.
#include <algorithm>

#include "config/config_fakes.h"
#include "config/image_fields.h"
#include "config/local_files.h"
#include "fuzz/fuzz_check.h"
#include "keyassign/key_codes.h"
#include "model/dpi_tables.h"
#include "ui/led_texts.h"

namespace qv::fuzz {
namespace {

void CheckPaths(std::u16string_view modulePath) {
  const LocalPaths paths = DeriveLocalPaths(modulePath);
  Require(paths.configFile.empty() == paths.settingsFile.empty(), "both files are derived or neither");
  Require(paths.configFile.empty() || paths.configFile != paths.module, "config.bin is never the executable");
  Require(paths.settingsFile.empty() || paths.settingsFile != paths.module, "str.ini is never the executable");
}

// Everything the core derives from a loaded record, for every DPI table selector.
void ReadRecord(const UiRecord& record) {
  for (int selector = -1; selector <= kDpiSelectorCount; ++selector) {
    StageDpiNoticeTexts(record, selector);
    ConfigImage image;
    WriteFixedTables(image);
    WriteLighting(record, image);
    PackStageColours(record, image);
    WriteEnabledStageCount(record, image);
    WriteStageCodes(record, selector, image);
    WriteKeyTables(record, image);
  }
  for (Language language : {Language::English, Language::SimplifiedChinese, Language::TraditionalChinese}) {
    LedStaticTexts(record, language);
  }
}

}  // namespace
}  // namespace qv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qv;
  const std::vector<uint8_t> content(data, data + size);
  fuzz::CheckPaths(FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size)));

  const LocalPaths paths = DeriveLocalPaths(u"C:\\Program Files\\QV318_Driver\\QV318_Driver.exe");
  fakes::FakeFiles files;
  fakes::RecordingMessages messages;
  files.files[paths.configFile] = content;
  AppState state;
  state.record.bytes.fill(0xA5);
  const UiRecord before = state.record;

  const ConfigLoad load = LoadConfigFile(files, messages, paths, state);
  if (size == kConfigFileSize) {
    fuzz::Require(load == ConfigLoad::Loaded, "a 200-byte config.bin loads");
    const auto again = ConfigFileContent(state.firstRun, state.record);
    fuzz::Require(std::equal(again.begin(), again.end(), content.begin()), "a loaded file is kept byte for byte");
  } else {
    fuzz::Require(load == ConfigLoad::Ignored && state.record == before, "another length loads nothing");
  }
  fuzz::Require(messages.shown.empty(), "an existing config.bin is loaded silently");
  fuzz::ReadRecord(state.record);

  fuzz::Require(SaveConfigFile(files, messages, paths, state.record) == ConfigSave::Saved, "the save succeeds");
  const std::vector<uint8_t>& saved = files.files[paths.configFile];
  fuzz::Require(saved.size() == kConfigFileSize && saved[0] == 1, "a save writes 200 bytes, first-run byte 1");
  return 0;
}
