#pragma once

#include <QString>
#include <optional>
#include <utility>

#include "board/records.h"

namespace lucen {

// The records as the window shows them, and what it should tell the player about them.
struct RecordsReading {
  Records records;
  // The file held something that could not be read (text that is not settings, a value out of
  // range, a board the game does not have, or a file that cannot be opened). What could be read is
  // in `records`; before a win is written over the file, its bytes are kept beside it as
  // records.ini.unreadable (or records.ini.unreadable-2, and so on, when that name is taken).
  bool someUnreadable = false;
  // Some win of this run could not be written. It is kept in memory, counted in `records` and
  // written with the next win that can be, or lost when the game closes.
  bool cannotKeep = false;

  friend bool operator==(const RecordsReading&, const RecordsReading&) = default;
};

// The player's records in a settings file (INI, through QSettings), shared by every copy of the
// game that runs at once. Nothing is read or written until Read() or AddWin() is called; neither
// ever throws for what the file or its folder holds.
class RecordsFile {
 public:
  // The desktop's standard place for settings, found when first used: on Linux,
  // $XDG_CONFIG_HOME/lucen/records.ini.
  RecordsFile() = default;
  explicit RecordsFile(QString path) : path_(std::move(path)) {}

  RecordsReading Read();
  // Counts a win on the board of that size and colour count, with its result when it has one,
  // and writes it, on disk before the call returns. A size or colour count that the game does not
  // have is refused with std::out_of_range, and nothing is counted.
  RecordsReading AddWin(int size, int colourCount, std::optional<int> result);

 private:
  const QString& Path();

  QString path_;
  Records unsaved_;  // this run's wins that could not be written yet
  bool hasUnsaved_ = false;
};

}  // namespace lucen
