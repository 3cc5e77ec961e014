#pragma once

#include <QString>

#include "progress/records.h"

namespace lucen {

// The records as earlier versions kept them, in an INI file: for each board, "[5x5-2]" with
// won= and best=. They are only read, to be carried over into the records file once.
struct OldRecords {
  Records records;
  bool someUnreadable = false;  // values out of range, text that is not INI, an unreadable file
  // The file is there but could not be read at all (not a regular file, too large, a failed read):
  // it is to be carried over later, when it can be.
  bool toCarryLater = false;
};

// Nothing, and nothing unreadable, when there is no file at `path`.
OldRecords ReadOldRecords(const QString& path);

// Adds the old records' wins and best results to `records`.
void CarryOver(const Records& old, Records& records);

}  // namespace lucen
