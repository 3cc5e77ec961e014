#include "board/numbered_game.h"

#include <cstdint>
#include <numeric>
#include <stdexcept>

#include "board/board.h"
#include "board/solver.h"
#include "board/split_mix64.h"

namespace lucen {
namespace {

std::uint64_t Seed(const GameId& id) {
  return (static_cast<std::uint64_t>(id.size) << 40U) |
         (static_cast<std::uint64_t>(id.colourCount) << 32U) |
         static_cast<std::uint64_t>(id.number);
}

}  // namespace

bool IsValid(const GameId& id) {
  return id.size >= Board::kMinSize && id.size <= Board::kMaxSize &&
         id.colourCount >= Board::kMinColours && id.colourCount <= Board::kMaxColours &&
         id.number >= kMinGameNumber && id.number <= kMaxGameNumber;
}

NumberedGame MakeGame(const GameId& id) {
  if (!IsValid(id)) throw std::invalid_argument("no such numbered game");
  const int k = id.colourCount;
  const int least = FewestPressesAtLeast(id.size);
  const int most = FewestPressesAtMost(id.size);
  SplitMix64 random(Seed(id));
  Board board(id.size, k);
  const std::vector<int> solved(board.CellCount(), k - 1);
  for (;;) {
    // A way back to the solved board of `target` presses, each cell pressed at most k-1 times;
    // the start is the solved board pressed k minus that many times, cell by cell. Presses
    // commute, so the way back wins from there, and the solver then says whether a shorter one
    // takes the game under the least allowed.
    const int target = least + random.Below(most - least + 1);
    std::vector<int> wayBack(board.CellCount(), 0);
    for (int placed = 0; placed < target;) {
      int& count =
          wayBack[static_cast<std::size_t>(random.Below(static_cast<int>(wayBack.size())))];
      if (count < k - 1) {
        ++count;
        ++placed;
      }
    }
    board.Start(solved);
    for (std::size_t cell = 0; cell < wayBack.size(); ++cell) {
      for (int press = 0; press < (k - wayBack[cell]) % k; ++press) board.Press(cell);
    }
    const std::vector<int> fewest = FewestPresses(id.size, k, board.Steps()).value();
    const int cost = std::accumulate(fewest.begin(), fewest.end(), 0);
    if (cost >= least && cost <= most) return {id, board.Steps(), cost};
  }
}

int NumberForLevel(int size, int colourCount, Level level, std::uint64_t seed) {
  const FewestBand band = BandOf(level, size);
  SplitMix64 random(seed);
  for (;;) {
    const GameId id{size, colourCount, kMinGameNumber + random.Below(kMaxGameNumber)};
    const int fewest = MakeGame(id).fewest;
    if (fewest >= band.least && fewest <= band.most) return id.number;
  }
}

}  // namespace lucen
