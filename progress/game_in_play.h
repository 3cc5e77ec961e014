#pragma once

#include <climits>
#include <optional>

#include "board/numbered_game.h"
#include "progress/calendar_date.h"

namespace lucen {

// A numbered game being played, as its result needs it.
struct GameInPlay {
  GameId id;
  int fewest = 0;       // the fewest presses that win it
  int pressesUsed = 0;  // every press and every redo so far; an undo takes none back
  // Whether a win still scores: only in the game's first play, and until a hint or a restart.
  bool scoring = false;
  std::optional<CalendarDate> daily{};  // the day, when it is a game of the day

  void CountPress() {
    if (pressesUsed < INT_MAX) ++pressesUsed;  // a count past the most stays there
  }
  // Back to its start: the presses count from zero, and the game no longer scores.
  void Restart() {
    pressesUsed = 0;
    scoring = false;
  }
  // What a win scores: the presses used over the fewest, 0 for a perfect game; nothing for
  // practice.
  std::optional<int> Result() const {
    if (!scoring) return std::nullopt;
    return pressesUsed - fewest;
  }

  friend bool operator==(const GameInPlay&, const GameInPlay&) = default;
};

}  // namespace lucen
