#pragma once

#include <climits>
#include <optional>

#include "board/numbered_game.h"
#include "progress/calendar_date.h"

namespace lucen {

// The stars of a scored win: three at the fewest presses, two up to a quarter more than the fewest
// (rounded up), one beyond that.
constexpr int StarsFor(int presses, int fewest) {
  if (presses <= fewest) return 3;
  return presses <= fewest + (fewest + 3) / 4 ? 2 : 1;
}

// A numbered game being played, as its result needs it.
struct GameInPlay {
  GameId id;
  int fewest = 0;       // the fewest presses that win it
  int pressesUsed = 0;  // every press and every redo so far; an undo takes none back
  // Whether a win still scores: only in the game's first play, and until a hint or a restart.
  bool scoring = false;
  std::optional<CalendarDate> daily{};  // the day, when it is a game of the day
  // Whether the free first hint of a scored game has told how many presses remain.
  bool countTold = false;

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

  // The stars a win now would earn; none for practice.
  std::optional<int> Stars() const {
    if (!scoring) return std::nullopt;
    return StarsFor(pressesUsed, fewest);
  }

  friend bool operator==(const GameInPlay&, const GameInPlay&) = default;
};

}  // namespace lucen
