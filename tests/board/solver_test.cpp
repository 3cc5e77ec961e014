#include "board/solver.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <random>
#include <stdexcept>
#include <vector>

namespace lucen {
namespace {

using Steps = std::vector<int>;

// The rule, written once for every test here: `times` presses of `cell` advance it and its
// neighbours inside the board that many steps of the k-colour cycle.
void Press(Steps& steps, int size, int k, int cell, int times) {
  const int row = cell / size;
  const int col = cell % size;
  const int group[5][2] = {
      {row, col}, {row - 1, col}, {row + 1, col}, {row, col - 1}, {row, col + 1}};
  for (const auto& [r, c] : group) {
    if (r >= 0 && r < size && c >= 0 && c < size) {
      steps[r * size + c] = (steps[r * size + c] + times) % k;
    }
  }
}

bool SolvedAfter(Steps steps, int size, int k, const std::vector<int>& presses) {
  for (int cell = 0; cell < size * size; ++cell) Press(steps, size, k, cell, presses.at(cell));
  for (int step : steps) {
    if (step != k - 1) return false;
  }
  return true;
}

// The reference: the fewest presses over every press vector, tried cell by cell in row-major
// order. A branch stops as soon as the cell above the one just decided, which no later press
// reaches, is not light green.
std::optional<int> FewestByExhaustiveSearch(Steps& steps, int size, int k, int cell = 0,
                                            int cost = 0) {
  if (cell > size && steps[cell - 1 - size] != k - 1) return std::nullopt;
  if (cell == size * size) {
    if (!SolvedAfter(steps, size, k, std::vector<int>(cell, 0))) return std::nullopt;
    return cost;
  }
  std::optional<int> best;
  for (int times = 0; times < k; ++times) {
    Press(steps, size, k, cell, times);
    const auto found = FewestByExhaustiveSearch(steps, size, k, cell + 1, cost + times);
    if (found && (!best || *found < *best)) best = found;
    Press(steps, size, k, cell, k - times);
  }
  return best;
}

TEST(FewestPresses, MatchesTheExhaustiveSearchOnSmallBoards) {
  int solvable = 0;
  int unsolvable = 0;
  for (int k = 2; k <= 4; ++k) {
    for (int size = 1; size <= 5; ++size) {
      std::mt19937 random(static_cast<unsigned>(10 * size + k));
      std::uniform_int_distribution<int> step(0, k - 1);
      // The search grows as k to the power of the side; 5 x 5 gets fewer positions.
      const int positions = size < 5 ? 45 : 9;
      for (int position = 0; position < positions; ++position) {
        // In turn: steps drawn at random, the solved board pressed at random, and the latter
        // with one cell moved on (which is out of reach more often than not).
        Steps steps(size * size, k - 1);
        for (int cell = 0; cell < size * size; ++cell) {
          if (position % 3 == 0) steps[cell] = step(random);
          if (position % 3 != 0) Press(steps, size, k, cell, step(random));
        }
        if (position % 3 == 2) {
          const auto cell = random() % steps.size();
          steps[cell] = (steps[cell] + std::uniform_int_distribution<int>(1, k - 1)(random)) % k;
        }
        Steps searched = steps;
        const auto expected = FewestByExhaustiveSearch(searched, size, k);
        const auto presses = FewestPresses(size, k, steps);
        ASSERT_EQ(presses.has_value(), expected.has_value()) << size << "x" << size << " k=" << k;
        if (!presses) {
          ++unsolvable;
          continue;
        }
        ++solvable;
        EXPECT_EQ(std::accumulate(presses->begin(), presses->end(), 0), *expected);
        for (int count : *presses) EXPECT_TRUE(count >= 0 && count < k);
        EXPECT_TRUE(SolvedAfter(steps, size, k, *presses)) << size << "x" << size << " k=" << k;
      }
    }
  }
  EXPECT_GT(solvable, 0);
  EXPECT_GT(unsolvable, 0);
}

TEST(FewestPresses, FromBlackOnlyEightByEightInThreeColoursHasNoSolution) {
  for (int size = 5; size <= 9; ++size) {
    for (int k = 2; k <= 4; ++k) {
      const Steps black(size * size, 0);
      const auto presses = FewestPresses(size, k, black);
      if (size == 8 && k == 3) {
        EXPECT_FALSE(presses);
        continue;
      }
      ASSERT_TRUE(presses) << size << "x" << size << " k=" << k;
      EXPECT_TRUE(SolvedAfter(black, size, k, *presses)) << size << "x" << size << " k=" << k;
      if (size == 6 && k == 4) {
        EXPECT_EQ(std::accumulate(presses->begin(), presses->end(), 0), 76);
      }
    }
  }
}

TEST(FewestPresses, RejectsWhatIsNotABoard) {
  const Steps four(4, 0);
  EXPECT_THROW(FewestPresses(0, 2, {}), std::invalid_argument);
  EXPECT_THROW(FewestPresses(2, 1, four), std::invalid_argument);
  EXPECT_THROW(FewestPresses(2, 5, four), std::invalid_argument);
  EXPECT_THROW(FewestPresses(3, 2, four), std::invalid_argument);
  EXPECT_THROW(FewestPresses(2, 2, Steps{0, 0, 2, 0}), std::invalid_argument);
  EXPECT_THROW(FewestPresses(2, 4, Steps{0, -1, 0, 0}), std::invalid_argument);
}

}  // namespace
}  // namespace lucen
