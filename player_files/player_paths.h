#pragma once

#include <QString>

namespace lucen {

// Where the game keeps the player's files, each in the desktop's standard place for its kind.

// The lasting choices: $XDG_CONFIG_HOME/lucen/lucen.ini.
QString PreferencesPath();
// The records: $XDG_DATA_HOME/lucen/records.json.
QString RecordsPath();
// Where earlier versions kept the records (won and best only): $XDG_CONFIG_HOME/lucen/records.ini.
QString OldRecordsPath();
// The numbered game in play: $XDG_STATE_HOME/lucen/game-in-play.json.
QString SavedGamePath();
// Changes to the records not yet in the records file, kept beside the game in play until they
// are: $XDG_STATE_HOME/lucen/unwritten-records.json.
QString UnwrittenRecordsPath();

}  // namespace lucen
