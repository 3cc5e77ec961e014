#pragma once

#include <cstddef>
#include <vector>

#include "board/board.h"

namespace lucen {

// What a hint says about a position: that no presses solve it, that it is solved already, or
// which cell to press next.
struct Hint {
  enum class Kind { kNoSolution, kNothingToPress, kPress };
  Kind kind = Kind::kNoSolution;
  std::size_t cell = 0;  // with kPress: the cell, numbered from 0 row by row
  int remaining = 0;     // the fewest presses still to make, this one included
};

// A cell of a solution with the fewest presses from the board's position, so that pressing it
// leaves one press fewer to go; following the hints solves the board in the fewest presses.
Hint HintFor(const Board& board);

// Every press of a solution with the fewest presses from the board's position, in an order to
// make them; empty when the board is solved or has no solution.
std::vector<std::size_t> SolutionRoute(const Board& board);

}  // namespace lucen
