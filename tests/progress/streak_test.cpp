// Days in a row with the game of the day won.
#include <gtest/gtest.h>

#include "progress/streak.h"

namespace lucen {
namespace {

TEST(Streak, CountsDaysInARowAndShowsZeroOnceADayIsMissed) {
  // Days won, then the day shown, and the current, best and shown streaks.
  const std::tuple<std::vector<CalendarDate>, CalendarDate, int, int, int> cases[] = {
      {{{2026, 3, 2}, {2026, 3, 3}, {2026, 3, 4}}, {2026, 3, 5}, 3, 3, 3},    // in a row
      {{{2026, 3, 2}, {2026, 3, 3}, {2026, 3, 5}}, {2026, 3, 5}, 1, 2, 1},    // a gap
      {{{2026, 3, 2}, {2026, 3, 2}}, {2026, 3, 2}, 1, 1, 1},                  // the same day twice
      {{{2026, 3, 2}, {2026, 3, 3}, {2026, 3, 1}}, {2026, 3, 1}, 1, 2, 1},    // a clock set back
      {{{2026, 12, 31}, {2026, 3, 2}, {2026, 3, 3}}, {2026, 3, 3}, 2, 2, 2},  // one that ran ahead
      {{{2026, 12, 31}, {2027, 1, 1}}, {2027, 1, 1}, 2, 2, 2},                // a new year
      {{{2028, 2, 28}, {2028, 2, 29}, {2028, 3, 1}}, {2028, 3, 2}, 3, 3, 3},  // 29 February
      {{{2026, 3, 2}, {2026, 3, 3}}, {2026, 3, 5}, 2, 2, 0},                  // a day missed
      {{{2026, 3, 2}, {2027, 2, 29}}, {2026, 13, 1}, 1, 1, 0},                // no such day
  };
  for (const auto& [wins, today, current, best, shown] : cases) {
    Streak streak;
    for (const CalendarDate& day : wins) streak = CountWin(streak, day);
    EXPECT_EQ(std::tuple(streak.current, streak.best, CurrentAsOf(streak, today)),
              std::tuple(current, best, shown))
        << IsoDate(wins.front()) << " to " << IsoDate(today);
  }
}

}  // namespace
}  // namespace lucen
