#pragma once

#include <cstddef>
#include <vector>

#include "board/numbered_game.h"

namespace lucen {

// The numbered games started at least once on this computer: a game scores only in its first
// play. Kept sorted, so that a year of daily play stays a few kilobytes on disk and a look-up is a
// binary search.
class PlayedGames {
 public:
  bool Contains(const GameId& id) const;
  // Adds `id`; false when it was already there. An id out of range is refused with
  // std::invalid_argument.
  bool Add(const GameId& id);
  std::size_t Size() const { return ids_.size(); }
  auto begin() const { return ids_.begin(); }
  auto end() const { return ids_.end(); }

  friend bool operator==(const PlayedGames&, const PlayedGames&) = default;

 private:
  std::vector<GameId> ids_;  // sorted, no repeats
};

}  // namespace lucen
