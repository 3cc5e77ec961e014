#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "player_files/player_paths.h"
#include "progress/records.h"

namespace lucen {

class BackgroundWriter;

// The records as the window shows them, and what it should tell the player about them.
struct RecordsReading {
  // What the file holds, with this run's events not written yet.
  Records records;
  // The file held something that could not be read (text that is not JSON, a value of the wrong
  // type or out of range, or a file that cannot be opened). What could be read is in `records`;
  // before the file is written over, its bytes are kept beside it as records.json.unreadable (or
  // records.json.unreadable-2, and so on).
  bool someUnreadable = false;
  // Some event of this run could not be written. It is kept in memory, counted in `records` and
  // written with the next event that can be, or lost when the game closes.
  bool cannotKeep = false;

  friend bool operator==(const RecordsReading&, const RecordsReading&) = default;
};

// What became of a win once its write was tried.
enum class WinKept {
  kWritten,  // on disk
  kWaiting,  // another copy of the game holds the file: written as soon as it lets go
  kCannot,   // the file cannot be written (a full disk, something that is not a regular file):
             // kept in memory and tried again with the next event
};

// The player's records in one JSON file, shared by every copy of the game that runs at once.
// Reading is quick and done on the caller's thread; writing is done on the background writer, so
// that the window never waits for the disk. Nothing ever throws for what the file or its folder
// holds. When there is no records file yet, the records of earlier versions (`oldIniPath`) are
// carried over into it, and that file is left as it was.
class RecordsFile : public QObject {
  Q_OBJECT

 public:
  explicit RecordsFile(QString path = RecordsPath(), QString oldIniPath = OldRecordsPath(),
                       QObject* parent = nullptr);
  // Never waits: the writes already queued are still made, and the writer's own end gives them
  // time (BackgroundWriter::Stop).
  ~RecordsFile() override;

  RecordsReading Read();
  // Counts `event` in this run's records and queues its write. An event on a board or game the
  // game does not have is refused with std::out_of_range or std::invalid_argument, and nothing is
  // counted.
  void Record(const RecordEvent& event);
  // Waits until every queued write has been tried (a file held by another copy is tried again
  // until it is written), or `msecs` have passed; true in the first case.
  bool WaitForWrites(int msecs);

  // What this object and its writes on the writer's thread share.
  struct State;

 signals:
  // After each write tried with a win in it, on this object's thread. Told once for each new
  // outcome, not for every retry.
  void winKept(lucen::WinKept outcome);

 private:
  std::shared_ptr<State> state_;
};

}  // namespace lucen
