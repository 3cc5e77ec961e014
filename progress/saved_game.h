#pragma once

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "board/board.h"
#include "progress/game_in_play.h"

namespace lucen {

// The most presses a saved game holds (its undo and redo lists together); a longer one is not
// kept.
inline constexpr std::size_t kMaxSavedPresses = 10'000;

// A numbered game in play, as kept between runs: its code, how far it has come, whether it still
// scores, and its undo and redo lists. The position follows from the start and the presses.
struct SavedGame {
  GameInPlay game;
  std::vector<std::size_t> undo;  // presses since the start, oldest first
  std::vector<std::size_t> redo;  // undone presses, the next to redo last

  friend bool operator==(const SavedGame&, const SavedGame&) = default;
};

// What to keep of `board`, on which `game` is being played. Nothing when the lists are longer
// than kMaxSavedPresses.
std::optional<SavedGame> Snapshot(const Board& board, const GameInPlay& game);
// The board and game that `saved` describes, exactly as they were; nothing when it does not
// describe a game in play (an id, a cell or a count out of range, lists too long, a count of
// presses below the presses made, or a position already solved).
std::optional<std::pair<Board, GameInPlay>> Rebuild(const SavedGame& saved);

}  // namespace lucen
