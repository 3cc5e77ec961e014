#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "player_files/player_paths.h"
#include "progress/records.h"

namespace lucen {

// The records as the window shows them, and what it should tell the player about them.
struct RecordsReading {
  // What the file holds, with every event recorded here applied.
  Records records;
  // Starts recorded here as a first play (RecordEvent::Start(id, true), the window's guess) that
  // the file shows were not: another copy of the game, or an earlier run not read yet, started the
  // code first. Each is told once.
  std::vector<GameId> notFirstPlays;
  // The file held something that could not be read (text that is not JSON, a value of the wrong
  // type or out of range, a file too large or that cannot be opened). What could be read is in
  // `records`; before the file is written over, it is kept beside it as records.json.unreadable
  // (or records.json.unreadable-2, and so on).
  bool someUnreadable = false;
  // Some event of this run is on no disk: neither in the records file nor in the unwritten
  // records. It is kept in memory, counted in `records` and written with the next event that can
  // be, or lost when the game closes.
  bool cannotKeep = false;

  friend bool operator==(const RecordsReading&, const RecordsReading&) = default;
};

// What became of a win once its write was tried.
enum class WinOutcome {
  kWritten,  // in the records file
  kWaiting,  // in the unwritten records (another copy holds the file, or it cannot be written):
             // written to the records file as soon as it can be, by this run or a later one
  kCannot,   // neither could be written (a full disk, ...): kept in memory and tried again with
             // the next event
};

// The player's records in one JSON file, shared by every copy of the game that runs at once. The
// background writer alone reads, locks, merges and writes it; the window keeps the last reading it
// was sent and never waits for the disk. Nothing ever throws for what the file or its folder
// holds. The records of earlier versions (`oldIniPath`) are carried over into it once, and that
// file is left as it was.
class RecordsFile : public QObject {
  Q_OBJECT

 public:
  // Queues the first reading of the file at once.
  explicit RecordsFile(QString path = RecordsPath(), QString oldIniPath = OldRecordsPath(),
                       QString unwrittenPath = UnwrittenRecordsPath(), QObject* parent = nullptr);
  // Never waits: the writes already queued are still made, and the writer's own end gives them
  // time (BackgroundWriter::Stop).
  ~RecordsFile() override;

  // Counts `event` in Latest() and queues its write. An event on a board or game the game does not
  // have is refused with std::out_of_range or std::invalid_argument, and nothing is counted.
  void Record(const RecordEvent& event);
  // The last reading sent by the writer, with the events recorded since it was made applied.
  const RecordsReading& Latest() const { return latest_; }
  // Whether a first reading has come.
  bool Loaded() const { return loaded_; }
  // Waits until every queued write has been tried (a file held by another copy is tried again
  // until it is written), or `msecs` have passed, then takes in the readings sent meanwhile; true
  // when the writes were all tried.
  bool WaitForWrites(int msecs);

  // Merges the records file at `path` (another computer's, or the browser's) into these, each play
  // and win counted once however often it is merged; `imported` tells whether it could be read.
  void Import(const QString& path);
  // Writes the records, as they stand, to a file at `path`; `exported` tells whether it could be.
  void Export(const QString& path);

  // What this object and its work on the writer's thread share.
  struct State;

 signals:
  // After the first reading and after each write tried, on this object's thread: Latest().
  void read(const lucen::RecordsReading& reading);
  // After a write tried with a win of this object in it. Told once for each new outcome, not for
  // every retry.
  void winWritten(lucen::WinOutcome outcome);
  // `path` is the file given to Import() or Export(), so that each answer names its own.
  void imported(bool read, const QString& path);
  void exported(bool written, const QString& path);

 private:
  friend struct State;
  struct Recorded {
    std::uint64_t number;
    RecordEvent event;
  };
  // Takes in a reading that holds every event up to number `upTo`.
  void Receive(RecordsReading reading, std::uint64_t upTo);

  std::shared_ptr<State> state_;
  RecordsReading latest_;
  bool loaded_ = false;
  std::uint64_t recorded_ = 0;          // the number of the last event recorded
  std::vector<Recorded> sinceReading_;  // recorded after the writer took its last batch
};

}  // namespace lucen
