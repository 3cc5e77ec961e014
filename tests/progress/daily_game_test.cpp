// The game of the day, chosen by the date alone.
#include <gtest/gtest.h>

#include "board/game_code.h"
#include "progress/daily_game.h"

namespace lucen {
namespace {

TEST(DailyGame, EachDateGivesTheSameGameEverywhereOnItsWeekdaysBoard) {
  using enum Weekday;
  // The codes were written down by hand from one run: any platform, compiler or standard library
  // must give these same games.
  const std::tuple<const char*, std::int64_t, Weekday, const char*> cases[] = {
      {"2026-03-02", 20514, kMonday, "5x5-2-303608"},
      {"2026-03-03", 20515, kTuesday, "6x6-2-757778"},
      {"2026-03-04", 20516, kWednesday, "6x6-3-772308"},
      {"2026-03-05", 20517, kThursday, "7x7-3-44025"},
      {"2026-03-06", 20518, kFriday, "8x8-3-103748"},
      {"2026-03-07", 20519, kSaturday, "8x8-4-2480"},
      {"2026-03-08", 20520, kSunday, "9x9-4-800839"},
      {"2028-02-29", 21243, kTuesday, "6x6-2-408481"},
      {"0001-01-01", -719162, kMonday, "5x5-2-818303"},
  };
  for (const auto& [text, dayNumber, weekday, code] : cases) {
    const CalendarDate date = AddDays({1970, 1, 1}, dayNumber);
    EXPECT_EQ(ReadIsoDate(text), date);
    EXPECT_EQ(IsoDate(date), text);
    EXPECT_EQ(DayNumber(date), dayNumber) << text;
    EXPECT_EQ(DayOfWeek(date), weekday) << text;
    const GameId game = DailyGame(date);
    const DailyBoard board = kDailyBoards[static_cast<std::size_t>(weekday)];
    EXPECT_EQ(GameCode(game), code);
    EXPECT_EQ(std::pair(game.size, game.colourCount), std::pair(board.size, board.colourCount));
  }
  for (const char* text : {"2027-02-29", "2100-02-29", "2026-13-01", "2026-1-01", "0000-01-01"}) {
    EXPECT_FALSE(ReadIsoDate(text)) << text;
  }
  EXPECT_THROW(DailyGame({2027, 2, 29}), std::invalid_argument);
}

}  // namespace
}  // namespace lucen
