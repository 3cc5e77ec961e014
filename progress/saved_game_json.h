#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "progress/json_fields.h"
#include "progress/saved_game.h"

namespace lucen {

// The numbered game in play as one small JSON document:
//   {"format": 1, "code": "7x7-3-123456", "fewest": 18, "presses": 5, "scoring": true,
//    "daily": "2026-12-09", "countTold": true, "undo": [12, 3], "redo": [40]}
// ("daily" only for a game of the day, "countTold" only once the free first hint has told the
// count). Keys this version does not know are kept.

inline constexpr int kSavedGameFormat = 1;

struct SavedGameDocument {
  // The game, whole and able to be resumed; nothing for any other text.
  std::optional<SavedGame> saved;
  // The whole document, when `saved` was read: to be written back with what this version does not
  // know.
  Json root = Json::object();
};

SavedGameDocument ReadSavedGameJson(std::string_view text);

// `saved` put into `root` in place, so that whatever else it holds stays; compact JSON.
std::string WriteSavedGameJson(const SavedGame& saved, Json root = Json::object());

}  // namespace lucen
