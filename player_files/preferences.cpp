#include "player_files/preferences.h"

#include <QSettings>
#include <memory>

namespace lucen {

namespace {

const char kSymbolsKey[] = "symbols";

std::unique_ptr<QSettings> GameSettings() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                     QStringLiteral("lucen"), QStringLiteral("lucen"));
}

}  // namespace

bool ReadSymbolsShown() {
  const auto settings = GameSettings();
  // Only what the game itself writes counts; anything else in the file is the default.
  return settings->status() == QSettings::NoError &&
         settings->value(kSymbolsKey).toString() == QLatin1String("true");
}

void KeepSymbolsShown(bool shown) {
  const auto settings = GameSettings();
  if (settings->status() != QSettings::NoError) return;  // never write over a file we cannot read
  settings->setValue(kSymbolsKey, shown);
  settings->sync();
}

}  // namespace lucen
