// str.ini as the profile functions hand it back: every value (language, the 16 key names,
// the three colours, the skin name) is any text of up to 1023 characters. Start-up takes
// them, the key-name section is always one of the three, and a skin chosen in the dialog
// reads back as it was written.
#include "config/config_fakes.h"
#include "config/settings.h"
#include "config/startup.h"
#include "fuzz/fuzz_check.h"

namespace qv::fuzz {
namespace {

// Each value read comes from the input; what is put is kept and read back.
class InputProfile final : public ProfileStore {
 public:
  explicit InputProfile(FuzzedDataProvider& input) : input_(input) {}
  std::u16string Get(std::u16string_view file, std::u16string_view section, std::u16string_view key) override {
    const auto put = store_.values.find({std::u16string(file), std::u16string(section), std::u16string(key)});
    return put != store_.values.end() ? put->second : ProfileFileText(input_);
  }
  void Put(std::u16string_view file, std::u16string_view section, std::u16string_view key,
           std::u16string_view value) override {
    store_.Put(file, section, key, value);
  }

 private:
  FuzzedDataProvider& input_;
  fakes::FakeProfile store_;
};

bool IsKeyNameSection(std::u16string_view section) {
  return section == u"Setting-EN" || section == u"Setting-CHS" || section == u"Setting-CHT";
}

}  // namespace
}  // namespace qv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qv;
  FuzzedDataProvider input(data, size);
  fuzz::InputProfile profile(input);
  fakes::FakeFiles files;
  fakes::RecordingMessages messages;
  AppState state;
  LocalState local;
  LoadLocalState(u"C:\\QV\\QV318_Driver.exe", {files, profile, messages}, state, local);
  fuzz::Require(fuzz::IsKeyNameSection(local.settings.section), "the key-name section is one of three");
  fuzz::Require(state.display.skinDir == SkinDirectory(local.paths, local.settings.skinName),
                "the skin folder is the one named");
  SetDefaultKeyNames(local.settings, LanguageFromCode(state.display.languageCode));
  WriteKeyNames(profile, local.paths.settingsFile, local.settings);

  const SkinChoice choice{state.display.skinDir, local.settings.skinName,
                          {ColourByte(local.settings.red), input.ConsumeIntegral<uint8_t>(),
                           ColourByte(local.settings.blue)}};
  ApplySkinChoice(profile, local.paths.settingsFile, choice, local.settings, state.display);
  Settings reread;
  reread.section = local.settings.section;
  ReadSettings(profile, local.paths.settingsFile, reread);
  const TextColour colour = TextColourOf(reread);
  fuzz::Require(reread.skinName == choice.skinName, "the chosen skin reads back");
  fuzz::Require(colour.red == choice.colour.red && colour.green == choice.colour.green &&
                    colour.blue == choice.colour.blue,
                "the chosen colour reads back");
  fuzz::Require(reread.keyNames == local.settings.keyNames, "the key names read back");
  return 0;
}
