#include "player_files/player_paths.h"

#include <QDir>
#include <QStandardPaths>

namespace lucen {
namespace {

QString Under(QStandardPaths::StandardLocation location, const char* name) {
  return QStandardPaths::writableLocation(location) + "/lucen/" + name;
}

// Qt 6.4 has no place for state: the XDG rule is followed by hand (a relative path is ignored).
QString StateFolder() {
#ifdef Q_OS_UNIX
  const QString state = qEnvironmentVariable("XDG_STATE_HOME");
  if (!state.isEmpty() && QDir::isAbsolutePath(state)) return state;
  return QDir::homePath() + "/.local/state";
#else
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#endif
}

}  // namespace

QString PreferencesPath() {
  return Under(QStandardPaths::GenericConfigLocation, "lucen.ini");
}

QString RecordsPath() {
  return Under(QStandardPaths::GenericDataLocation, "records.json");
}

QString OldRecordsPath() {
  return Under(QStandardPaths::GenericConfigLocation, "records.ini");
}

QString SavedGamePath() {
  return StateFolder() + "/lucen/game-in-play.json";
}

QString UnwrittenRecordsPath() {
  return StateFolder() + "/lucen/unwritten-records.json";
}

}  // namespace lucen
