#pragma once

#include <QString>

#include "progress/records.h"

namespace lucen {

// The records as earlier versions kept them, in an INI file: for each board, "[5x5-2]" with
// won= and best=. They are only read, once, to be carried over into the records file.
struct OldRecords {
  Records records;
  bool someUnreadable = false;  // values out of range, text that is not INI, an unreadable file
};

// Nothing, and nothing unreadable, when there is no file at `path`.
OldRecords ReadOldRecords(const QString& path);

}  // namespace lucen
