#include "progress/daily_game.h"

#include <cstdint>
#include <stdexcept>

#include "board/split_mix64.h"

namespace lucen {
namespace {

// Mixed into the day's number ("LucenDay" in ASCII), so that the days draw from other seeds than
// the numbered games' own.
constexpr std::uint64_t kDailySalt = 0x4c7563656e446179U;

}  // namespace

GameId DailyGame(const CalendarDate& date) {
  if (!IsValid(date)) throw std::invalid_argument("no such date");
  const DailyBoard board = kDailyBoards[static_cast<std::size_t>(DayOfWeek(date))];
  SplitMix64 random(static_cast<std::uint64_t>(DayNumber(date)) ^ kDailySalt);
  return {board.size, board.colourCount, kMinGameNumber + random.Below(kMaxGameNumber)};
}

}  // namespace lucen
