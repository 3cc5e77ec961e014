#pragma once

#include "progress/records.h"

namespace lucen {

// Two copies of the player's records made one, as when records are carried between the desktop
// and the browser: every code played or won in either, each win counted once (a code won in both
// keeps the smaller result). The counts of `mine` gain exactly the plays and wins new to it; what
// the counts hold beyond the codes (records from before codes were kept) is taken from whichever
// holds more, so that merging a copy of the same records, or records already merged, changes
// nothing. The streak's best is the better; its current run is the one that reaches the later day.
Records Merge(const Records& mine, const Records& theirs);

}  // namespace lucen
