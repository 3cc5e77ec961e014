#include "player_files/preferences.h"

#include "player_files/background_writer.h"
#include "player_files/ini_text.h"
#include "player_files/player_paths.h"
#include "player_files/safe_file.h"

namespace lucen {

namespace {

constexpr char kSection[] = "General";

QByteArray LevelName(Level level) {
  switch (level) {
    case Level::kEasy:
      return "easy";
    case Level::kNormal:
      break;
    case Level::kHard:
      return "hard";
  }
  return "normal";
}

}  // namespace

Choices ReadChoices() {
  Choices choices;
  const FileReading file = ReadSafely(PreferencesPath());
  if (file.outcome != FileReading::Outcome::kRead) return choices;
  const IniText ini(file.bytes);
  if (!ini.WellFormed()) return choices;
  // Only what the game itself writes counts; anything else in the file is the default.
  const auto flag = [&ini](const char* key, bool& choice) {
    const std::optional<QByteArray> value = ini.Value(kSection, key);
    if (value == "true" || value == "false") choice = value == "true";
  };
  flag(kSymbolsKey, choices.symbolsShown);
  flag(kAskBeforeHintKey, choices.askBeforeHint);
  flag(kAskBeforeLeavingKey, choices.askBeforeLeaving);
  flag(kAnimationsKey, choices.animations);
  const std::optional<QByteArray> level = ini.Value(kSection, kLevelKey);
  for (const Level known : {Level::kEasy, Level::kNormal, Level::kHard}) {
    if (level == LevelName(known)) choices.level = known;
  }
  const QByteArray zoom = ini.Value(kSection, kZoomKey).value_or("");
  if (zoom == "100" || zoom == "150" || zoom == "200") choices.zoom = zoom.toInt();
  return choices;
}

void SaveChoice(const char* key, const QString& value) {
  BackgroundWriter::Shared().Post([path = PreferencesPath(), key, value = value.toUtf8()] {
    const FileReading file = ReadSafely(path);
    if (file.outcome != FileReading::Outcome::kRead &&
        file.outcome != FileReading::Outcome::kMissing) {
      return;
    }
    IniText ini(file.bytes);
    if (!ini.WellFormed()) return;  // never write over what could not be read
    ini.SetValue(kSection, key, value);
    WriteSafely(path, ini.Bytes());
  });
}

void SaveChoice(const char* key, bool value) {
  SaveChoice(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void SaveChoice(const char* key, Level level) {
  SaveChoice(key, QString::fromLatin1(LevelName(level)));
}

}  // namespace lucen
