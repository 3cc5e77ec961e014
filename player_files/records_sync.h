#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "player_files/records_file.h"

namespace lucen {

// An event as a RecordsFile recorded it, numbered from 1 in the order recorded.
struct NumberedEvent {
  std::uint64_t number = 0;
  RecordEvent event;
  bool judged = false;  // checked once against the file: was a start guessed first really first?
};

// What the writer's thread keeps of one RecordsFile from one task to the next.
struct RecordsSync {
  QString path, oldIniPath, unwrittenPath;
  std::vector<NumberedEvent> unwritten;  // recorded, not in the records file yet; oldest first
  std::optional<Records> imported;       // another copy's records, to be merged into the file
};

struct SyncResult {
  enum class Kept {
    kNothingNew,  // no event of this object was waiting
    kInRecords,   // every one is in the records file now
    kInJournal,   // not in the records file, but in the file of unwritten records
    kNowhere,     // in memory only
    kUndecided,   // the file of unwritten records was busy: to be tried again soon
  };
  RecordsReading reading;  // all but cannotKeep, which follows from `kept` over time
  Kept kept = Kept::kNothingNew;
  bool tryAgainSoon = false;  // another copy held a lock
};

// Reads the records file and applies to it the unwritten records and this object's events. When
// there are any, writes the file under its lock (never waiting for it), and keeps whatever it could
// not write in the file of unwritten records. Runs on the writer's thread; never throws for what
// the disk holds.
SyncResult Sync(RecordsSync& sync);

// Writes to `target` the records as Sync() would leave them, keeping what the records file holds
// that this version does not know. False when it cannot be written.
bool ExportRecords(const RecordsSync& sync, const QString& target);

}  // namespace lucen
