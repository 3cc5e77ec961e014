#include "board/hint.h"

#include <algorithm>
#include <numeric>

#include "board/solver.h"

namespace lucen {

Hint HintFor(const Board& board) {
  const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps());
  if (!presses) return {Hint::Kind::kNoSolution};
  // The first cell that the solution presses at all; any of them would do.
  const auto cell = std::find_if(presses->begin(), presses->end(), [](int n) { return n > 0; });
  if (cell == presses->end()) return {Hint::Kind::kNothingToPress};
  return {Hint::Kind::kPress, static_cast<std::size_t>(cell - presses->begin()),
          std::accumulate(presses->begin(), presses->end(), 0)};
}

std::vector<std::size_t> SolutionRoute(const Board& board) {
  const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps());
  std::vector<std::size_t> route;
  for (std::size_t cell = 0; presses && cell < presses->size(); ++cell) {
    route.insert(route.end(), static_cast<std::size_t>((*presses)[cell]), cell);
  }
  return route;
}

}  // namespace lucen
