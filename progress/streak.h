#pragma once

#include <optional>

#include "progress/calendar_date.h"

namespace lucen {

// Days in a row with a game of the day won on its first play, without a hint or a restart.
struct Streak {
  int current = 0;  // as of `last`
  int best = 0;
  std::optional<CalendarDate> last;  // the latest day counted

  friend bool operator==(const Streak&, const Streak&) = default;
};

// The streak after the game of `day` was won. The day after the last one counted extends it, the
// last day itself changes nothing, and any other day, later or earlier (a clock set back, or one
// that had run ahead), starts the current streak again at 1. The best is kept.
Streak CountWin(Streak streak, const CalendarDate& day);
// The current streak as the player sees it on `today`: still standing on the last day counted and
// the day after it, 0 once a day has been missed. A `today` before the last day (a clock set back)
// shows it as it stood.
int CurrentAsOf(const Streak& streak, const CalendarDate& today);

}  // namespace lucen
