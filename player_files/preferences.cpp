#include "player_files/preferences.h"

#include "player_files/background_writer.h"
#include "player_files/ini_copy.h"
#include "player_files/player_paths.h"
#include "player_files/safe_file.h"

namespace lucen {

namespace {

QString LevelName(Level level) {
  switch (level) {
    case Level::kEasy:
      return QStringLiteral("easy");
    case Level::kNormal:
      break;
    case Level::kHard:
      return QStringLiteral("hard");
  }
  return QStringLiteral("normal");
}

}  // namespace

Choices ReadChoices() {
  Choices choices;
  const FileReading file = ReadSafely(PreferencesPath());
  if (file.outcome != FileReading::Outcome::kRead) return choices;
  IniCopy copy(file.bytes);
  if (!copy.WhollyParsed()) return choices;
  // Only what the game itself writes counts; anything else in the file is the default.
  const auto flag = [&copy](const char* key, bool fallback) {
    const QString value = copy.Settings()->value(key).toString();
    if (value == QLatin1String("true")) return true;
    if (value == QLatin1String("false")) return false;
    return fallback;
  };
  choices.symbolsShown = flag(kSymbolsKey, choices.symbolsShown);
  choices.askBeforeHint = flag(kAskBeforeHintKey, choices.askBeforeHint);
  choices.askBeforeLeaving = flag(kAskBeforeLeavingKey, choices.askBeforeLeaving);
  choices.animations = flag(kAnimationsKey, choices.animations);
  const QString level = copy.Settings()->value(kLevelKey).toString();
  for (const Level known : {Level::kEasy, Level::kNormal, Level::kHard}) {
    if (level == LevelName(known)) choices.level = known;
  }
  const int zoom = copy.Settings()->value(kZoomKey).toString().toInt();
  if (zoom == 100 || zoom == 150 || zoom == 200) choices.zoom = zoom;
  return choices;
}

void SaveChoice(const char* key, Level level) {
  SaveChoice(key, LevelName(level));
}

void SaveChoice(const char* key, bool value) {
  SaveChoice(key, value ? QStringLiteral("true") : QStringLiteral("false"));
}

void SaveChoice(const char* key, const QString& value) {
  BackgroundWriter::Shared().Post([path = PreferencesPath(), key, value] {
    const FileReading file = ReadSafely(path);
    if (file.outcome == FileReading::Outcome::kUnreadable) return;
    IniCopy copy(file.bytes);
    if (!copy.WhollyParsed()) return;  // never write over what could not be read
    copy.Settings()->setValue(key, value);
    if (const auto bytes = copy.Changed()) WriteSafely(path, *bytes);
  });
}

}  // namespace lucen
