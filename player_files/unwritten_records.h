#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "progress/json_fields.h"
#include "progress/records.h"

namespace lucen {

// Changes to the records not yet in the records file, kept in a small JSON file of their own
// (UnwrittenRecordsPath()) by any copy of the game that could not write them there, and applied by
// the next copy that writes the records file:
//   {"format": 1, "events": [{"kind": "start", "code": "7x7-3-12", "fewest": 0, "presses": 0,
//                             "scoring": true}, {"kind": "win", ...}]}
// The records count each event once however often it is applied, so an event found both here and
// in the records file is harmless. The file has a lock of its own (PATH.lock), taken by whoever
// changes it.
struct UnwrittenRecords {
  std::vector<RecordEvent> events;
  Json unknown =
      Json::array();  // entries this version cannot read, kept for the one that wrote them
  bool someUnreadable = false;  // the file is there but is not such a file
  bool bytesRead = false;       // and `bytes` hold it, to be kept beside it before it is replaced
  QByteArray bytes;
};

// What the file holds now; nothing when there is none. A reader needs no lock: the file is only
// ever replaced whole.
UnwrittenRecords ReadUnwritten(const QString& path);

enum class UnwrittenOutcome { kDone, kBusy, kCannot };
// Adds `events` to the file, each one that is not there yet, under its lock.
UnwrittenOutcome AddUnwritten(const QString& path, const std::vector<RecordEvent>& events);
// Takes out the events of `read`, now in the records file; the caller holds the file's lock.
bool ClearUnwritten(const QString& path, const UnwrittenRecords& read);

}  // namespace lucen
