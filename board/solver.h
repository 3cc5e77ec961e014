#pragma once

#include <optional>
#include <span>
#include <vector>

namespace lucen {

// Press counts (0..colourCount-1 per cell, row-major) of a solution with the fewest presses from
// `steps` (row-major, size*size colour steps 0..colourCount-1), or nothing when no sequence of
// presses brings every cell to colourCount-1.
//
// A press advances its cell and the orthogonal neighbours inside the board one step modulo
// colourCount; presses commute and colourCount presses of a cell undo themselves, so a solution
// is one count per cell and its cost is their sum. The answer is an exact minimum: every
// solution is visited, and there are at most 4096 of them on the boards the game uses (5..9
// cells a side); the time grows with that number, which some larger boards make very large.
//
// Throws std::invalid_argument when size < 1, colourCount is not 2, 3 or 4, `steps` does not hold
// size*size entries or one of them is outside 0..colourCount-1.
std::optional<std::vector<int>> FewestPresses(int size, int colourCount,
                                              std::span<const int> steps);

}  // namespace lucen
