#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <cstdint>
#include <optional>

#include "progress/game_in_play.h"

namespace lucen {

// What the player's JSON files share.

// A whole number least..most, or nothing.
std::optional<std::int64_t> ReadWhole(const QJsonValue& value, std::int64_t least,
                                      std::int64_t most);

// A numbered game in play as "code", "fewest", "presses", "scoring" and, for a game of the day,
// "daily", put into `object` in place so that its other keys stay.
void PutGame(const GameInPlay& game, QJsonObject& object);
// The game those fields describe; nothing when one is missing, of the wrong type or out of range.
std::optional<GameInPlay> ReadGame(const QJsonObject& object);

}  // namespace lucen
