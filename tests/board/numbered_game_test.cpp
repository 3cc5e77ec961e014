// Numbered games: every one can be won in a number of presses a person can manage, the solver
// being the judge, each number stands for the same position everywhere, and each date for the
// same game of the day.
#include "board/numbered_game.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <stdexcept>

#include "board/board.h"
#include "board/daily_game.h"
#include "board/game_code.h"
#include "board/solver.h"

namespace lucen {
namespace {

TEST(NumberedGame, EveryGameIsWonInNToThreeNPresses) {
  for (int size = 5; size <= 9; ++size) {
    for (int k = 2; k <= 4; ++k) {
      std::set<std::vector<int>> starts;
      for (int number = 1; number <= 1000; ++number) {
        const NumberedGame game = MakeGame({size, k, number});
        const std::vector<int> presses = FewestPresses(size, k, game.start).value();
        EXPECT_EQ(game.fewest, std::accumulate(presses.begin(), presses.end(), 0));
        EXPECT_TRUE(game.fewest >= size && game.fewest <= 3 * size)
            << size << "x" << size << "-" << k << "-" << number << ": " << game.fewest;
        starts.insert(game.start);
      }
      EXPECT_EQ(starts.size(), 1000U) << "each number its own position";
    }
  }
}

TEST(NumberedGame, TheSameNumberGivesTheSamePositionEverywhere) {
  const std::pair<GameId, std::vector<int>> pinned[] = {
      {{5, 2, 1}, {1, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 1, 1, 1, 1, 0, 1, 0, 0, 0, 1, 0, 0, 1}},
      {{7, 3, 123456}, {0, 1, 2, 1, 1, 0, 0, 1, 1, 1, 0, 2, 1, 1, 2, 0, 1, 1, 2, 0, 2, 1, 2, 1, 0,
                        2, 1, 1, 0, 2, 2, 2, 2, 2, 1, 0, 1, 0, 2, 1, 2, 2, 2, 2, 0, 1, 1, 2, 0}},
      {{9, 4, 999999},
       {2, 1, 2, 3, 2, 3, 2, 3, 3, 2, 1, 2, 2, 2, 1, 2, 1, 3, 3, 2, 3, 2, 2, 3, 1, 2, 2,
        3, 3, 2, 1, 2, 3, 2, 1, 2, 3, 3, 2, 1, 2, 1, 1, 0, 0, 2, 3, 3, 2, 2, 2, 0, 1, 1,
        2, 1, 3, 3, 3, 0, 2, 2, 2, 1, 2, 2, 3, 2, 2, 0, 3, 3, 3, 2, 3, 3, 3, 1, 2, 2, 3}}};
  for (const auto& [id, start] : pinned) EXPECT_EQ(MakeGame(id).start, start) << id.number;
  EXPECT_THROW(MakeGame({4, 2, 1}), std::invalid_argument);
  EXPECT_THROW(MakeGame({5, 2, 1'000'000}), std::invalid_argument);
}

TEST(NumberedGame, TheBoardStartsFromItAndUndoStopsThere) {
  std::vector<int> start(36, 3);
  start[9] = 1;
  Board board(6, 4);
  board.Press(0);
  board.Press(1);
  board.Undo();
  board.Start(start);
  EXPECT_EQ(board.Steps(), start);
  EXPECT_TRUE(board.History().empty());
  EXPECT_FALSE(board.CanRedo()) << "nothing undone before the start is left to redo";
  board.Press(14);
  board.Undo();
  EXPECT_EQ(board.Steps(), start);
  EXPECT_FALSE(board.CanUndo());

  board.Redo();
  const std::vector<int> before = board.Steps();
  for (const auto& bad :
       {std::vector<int>(35, 0), std::vector<int>(36, -1), std::vector<int>(36, 4)}) {
    EXPECT_THROW(board.Start(bad), std::invalid_argument);
    EXPECT_EQ(board.Steps(), before);
    EXPECT_EQ(board.History(), std::vector<std::string>{"15"});
  }
}

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
