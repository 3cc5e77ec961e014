#include "player_files/preferences.h"

#include "player_files/background_writer.h"
#include "player_files/ini_text.h"
#include "player_files/player_paths.h"
#include "player_files/safe_file.h"

namespace lucen {
namespace {

const char kSymbolsKey[] = "symbols";

}  // namespace

bool ReadSymbolsShown() {
  const FileReading file = ReadSafely(PreferencesPath());
  if (file.outcome != FileReading::Outcome::kRead) return false;
  const IniText ini(file.bytes);
  // Only what the game itself writes counts; anything else in the file is the default.
  return ini.WellFormed() && ini.Value("General", kSymbolsKey) == "true";
}

void SaveSymbolsShown(bool shown) {
  BackgroundWriter::Shared().Post([path = PreferencesPath(), shown] {
    const FileReading file = ReadSafely(path);
    if (file.outcome != FileReading::Outcome::kRead &&
        file.outcome != FileReading::Outcome::kMissing) {
      return;
    }
    IniText ini(file.bytes);
    if (!ini.WellFormed()) return;  // never write over what could not be read
    ini.SetValue("General", kSymbolsKey, shown ? "true" : "false");
    WriteSafely(path, ini.Bytes());
  });
}

}  // namespace lucen
