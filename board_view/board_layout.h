#pragma once

#include <vector>

#include "desktop/twips.h"

namespace lucen {

// Where each cell of a size x size board sits in the main window's client area, in twips, row by
// row from the top left. The board starts at the template cell's corner (180, 180) and is 3615
// twips wide; a cell's side is that width over the size as a 32-bit float, and each next column
// (or row) starts one side further on, rounded to a whole twip with ties to even at every step,
// which accumulates differently from rounding once per cell.
std::vector<TwipsRect> CellRects(int size);

}  // namespace lucen
