#include "board/numbered_game.h"

#include <cstdint>
#include <numeric>
#include <stdexcept>

#include "board/board.h"
#include "board/solver.h"

namespace lucen {
namespace {

// SplitMix64: a small generator written out here, so that a game number gives the same sequence
// wherever the game runs (the standard library's engines are fixed, its distributions are not).
class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

  std::uint64_t Next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15U);
    z = (z ^ (z >> 30U)) * 0xbf58476d1ce4e5b9U;
    z = (z ^ (z >> 27U)) * 0x94d049bb133111ebU;
    return z ^ (z >> 31U);
  }

  // Uniform in 0..count-1: draws past the last whole multiple of `count` are drawn again, so that
  // no value is favoured.
  int Below(int count) {
    const auto n = static_cast<std::uint64_t>(count);
    const std::uint64_t limit = UINT64_MAX - UINT64_MAX % n;
    std::uint64_t value = Next();
    while (value >= limit) value = Next();
    return static_cast<int>(value % n);
  }

 private:
  std::uint64_t state_;
};

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

}  // namespace lucen
