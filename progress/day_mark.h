#pragma once

#include "progress/calendar_date.h"
#include "progress/records.h"

namespace lucen {

// How the player did in the game of one day, as a calendar marks it.
enum class DayMark {
  kMissed,   // never started
  kPlayed,   // started in scored play, not won
  kWon,      // won in scored play
  kPerfect,  // won in the fewest presses
};

// The mark of `day`, by its game's code alone: the records keep no dates of play, so a game of
// the day played on another day marks its own day. A date that does not exist is missed.
DayMark MarkOf(const Records& records, const CalendarDate& day);

}  // namespace lucen
