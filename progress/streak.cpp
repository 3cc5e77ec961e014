#include "progress/streak.h"

#include <algorithm>
#include <climits>

namespace lucen {
namespace {

// The last day counted, when it is a real date: a damaged one counts as none.
std::optional<std::int64_t> LastDay(const Streak& streak) {
  if (!streak.last || !IsValid(*streak.last)) return std::nullopt;
  return DayNumber(*streak.last);
}

}  // namespace

Streak CountWin(Streak streak, const CalendarDate& day) {
  if (!IsValid(day)) return streak;
  const std::int64_t today = DayNumber(day);
  const std::optional<std::int64_t> last = LastDay(streak);
  if (last && today == *last) return streak;
  if (last && today == *last + 1 && streak.current >= 0) {
    streak.current = streak.current == INT_MAX ? INT_MAX : streak.current + 1;
  } else {
    // A gap, or a day before the last one counted: that day was dated by a clock that had run
    // ahead, or is being dated by one set back. Either way the streak goes on from here, or it
    // would stay frozen until the clock caught up.
    streak.current = 1;
  }
  streak.best = std::max(streak.best, streak.current);
  streak.last = day;
  return streak;
}

int CurrentAsOf(const Streak& streak, const CalendarDate& today) {
  const std::optional<std::int64_t> last = LastDay(streak);
  if (!last || !IsValid(today)) return 0;
  return DayNumber(today) <= *last + 1 ? streak.current : 0;
}

}  // namespace lucen
