#pragma once

#include <cstddef>
#include <stdexcept>

#include "board/board.h"

namespace lucen {

// Every board the game offers, 5..9 cells a side under 2..4 colours, numbered from 0 in order of
// size, then of colour count.
inline constexpr int kBoardCount =
    (Board::kMaxSize - Board::kMinSize + 1) * (Board::kMaxColours - Board::kMinColours + 1);

// The number of a board; std::out_of_range for a size or colour count the game does not offer.
inline std::size_t BoardIndex(int size, int colourCount) {
  if (size < Board::kMinSize || size > Board::kMaxSize || colourCount < Board::kMinColours ||
      colourCount > Board::kMaxColours) {
    throw std::out_of_range("no such board");
  }
  return static_cast<std::size_t>((size - Board::kMinSize) *
                                      (Board::kMaxColours - Board::kMinColours + 1) +
                                  colourCount - Board::kMinColours);
}

}  // namespace lucen
