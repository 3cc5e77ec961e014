#pragma once

#include <initializer_list>
#include <vector>

#include "board/board.h"
#include "board/solver.h"

namespace lucen::testing {

// A board of `size` and `colours` after pressing `cells` (numbered from 1): what the game should
// show.
inline Board After(int size, int colours, std::initializer_list<int> cells) {
  Board board(size, colours);
  for (int cell : cells) board.Press(static_cast<std::size_t>(cell - 1));
  return board;
}

// The solver's fewest presses from a black board, as cells numbered from 1, each as often as it
// is pressed; empty when the board has no solution.
inline std::vector<int> SolutionFromBlack(int size, int colours) {
  const auto presses = FewestPresses(size, colours, Board(size, colours).Steps());
  std::vector<int> cells;
  for (std::size_t i = 0; presses && i < presses->size(); ++i) {
    cells.insert(cells.end(), static_cast<std::size_t>((*presses)[i]), static_cast<int>(i) + 1);
  }
  return cells;
}

}  // namespace lucen::testing
