// Numbered games: every one can be won in a number of presses a person can manage, the solver
// being the judge, and each number stands for the same position everywhere.
#include "board/numbered_game.h"

#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <stdexcept>

#include "board/board.h"
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

TEST(NumberedGame, EveryLevelHoldsGamesOnEveryBoardAndDrawsFromItsBand) {
  for (int size = Board::kMinSize; size <= Board::kMaxSize; ++size) {
    // The three bands share N..3N out between them, in order, none empty.
    int next = FewestPressesAtLeast(size);
    for (const Level level : {Level::kEasy, Level::kNormal, Level::kHard}) {
      const FewestBand band = BandOf(level, size);
      EXPECT_EQ(band.least, next) << size;
      EXPECT_LE(band.least, band.most) << size;
      next = band.most + 1;
      for (int colours = Board::kMinColours; colours <= Board::kMaxColours; ++colours) {
        for (std::uint64_t seed = 1; seed <= 4; ++seed) {
          const GameId id{size, colours, NumberForLevel(size, colours, level, seed)};
          const int fewest = MakeGame(id).fewest;
          EXPECT_TRUE(fewest >= band.least && fewest <= band.most) << GameCode(id) << " " << fewest;
        }
      }
    }
    EXPECT_EQ(next, FewestPressesAtMost(size) + 1) << size;
  }
}

}  // namespace
}  // namespace lucen
