#include "player_files/preferences.h"

#include "player_files/background_writer.h"
#include "player_files/ini_copy.h"
#include "player_files/player_paths.h"
#include "player_files/safe_file.h"

namespace lucen {
namespace {

const char kSymbolsKey[] = "symbols";

}  // namespace

bool ReadSymbolsShown() {
  const FileReading file = ReadSafely(PreferencesPath());
  if (file.outcome != FileReading::Outcome::kRead) return false;
  IniCopy copy(file.bytes);
  // Only what the game itself writes counts; anything else in the file is the default.
  return copy.WhollyParsed() &&
         copy.Settings()->value(kSymbolsKey).toString() == QLatin1String("true");
}

void KeepSymbolsShown(bool shown) {
  BackgroundWriter::Shared().Post([path = PreferencesPath(), shown] {
    const FileReading file = ReadSafely(path);
    if (file.outcome == FileReading::Outcome::kUnreadable) return;
    IniCopy copy(file.bytes);
    if (!copy.WhollyParsed()) return;  // never write over what could not be read
    copy.Settings()->setValue(kSymbolsKey, shown);
    if (const auto bytes = copy.Changed()) WriteSafely(path, *bytes);
  });
}

}  // namespace lucen
