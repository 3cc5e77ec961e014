#pragma once

#include <optional>

#include "board/numbered_game.h"

namespace lucen {

// A numbered game being played, as its result needs it.
struct GameInPlay {
  GameId id;
  int fewest = 0;       // the fewest presses that win it
  int pressesUsed = 0;  // every press and every redo so far; an undo takes none back
  bool hintAsked = false;

  // What a win scores: the presses used over the fewest, 0 for a perfect game. A win after a hint
  // counts as won but scores nothing.
  std::optional<int> Result() const {
    if (hintAsked) return std::nullopt;
    return pressesUsed - fewest;
  }
};

}  // namespace lucen
