#pragma once

#include <cstddef>
#include <vector>

#include "progress/records.h"

namespace lucen {

// The stored records after a session's events, wherever they are kept: the desktop's records file
// or the browser's storage.
struct RecordsUpdate {
  Records records;
  // The starts that the session took for a code's first play and the stored records show were
  // not (another copy of the game, or another tab, started the code first): practice from now on.
  std::vector<GameId> notFirstPlays;
};

// Applies `event` to `records`; returns whether it is such a start.
bool ApplyShowingNotFirst(Records& records, const RecordEvent& event);

// `stored` with `events` applied, oldest first. The first `judged` of them were found out before,
// when they were applied to records that could not be kept, and are not told again.
RecordsUpdate ApplyEvents(Records stored, const std::vector<RecordEvent>& events,
                          std::size_t judged = 0);

}  // namespace lucen
