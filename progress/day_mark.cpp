#include "progress/day_mark.h"

#include "progress/daily_game.h"

namespace lucen {

DayMark MarkOf(const Records& records, const CalendarDate& day) {
  if (!IsValid(day)) return DayMark::kMissed;
  const GameId id = DailyGame(day);
  if (const std::optional<int> result = records.WonResult(id)) {
    return *result == 0 ? DayMark::kPerfect : DayMark::kWon;
  }
  return records.Played().Contains(id) ? DayMark::kPlayed : DayMark::kMissed;
}

}  // namespace lucen
