#include "progress/played_games.h"

#include <algorithm>
#include <stdexcept>

namespace lucen {

bool PlayedGames::Contains(const GameId& id) const {
  return std::binary_search(ids_.begin(), ids_.end(), id);
}

bool PlayedGames::Add(const GameId& id) {
  if (!IsValid(id)) throw std::invalid_argument("no such numbered game");
  const auto place = std::lower_bound(ids_.begin(), ids_.end(), id);
  if (place != ids_.end() && *place == id) return false;
  ids_.insert(place, id);
  return true;
}

}  // namespace lucen
