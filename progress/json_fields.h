#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "progress/calendar_date.h"
#include "progress/game_in_play.h"

namespace lucen {

// What the player's JSON documents share. Objects keep their keys in the order read, so that a
// document written back differs only where this version changed it.
using Json = nlohmann::ordered_json;

// The object `text` holds; nothing for text that is not one JSON object, or that nests deeper
// than any document of the game's (writing such a document back would take the stack).
std::optional<Json> ParseJsonObject(std::string_view text);
// `document` as compact text.
std::string JsonText(const Json& document);

// `object[key]`, or nothing when `object` is not an object or has no such key.
const Json* Field(const Json& object, const char* key);

// A whole number least..most, or nothing.
std::optional<std::int64_t> ReadWhole(const Json& value, std::int64_t least, std::int64_t most);

// A date kept as "YYYY-MM-DD" at `object[key]`: put there, or the key removed when there is none.
void PutDate(Json& object, const char* key, const std::optional<CalendarDate>& date);
// The date `value` holds, into `date`; true when there is none to read, false when it is not a
// date.
bool ReadDate(const Json* value, std::optional<CalendarDate>& date);

// A numbered game in play as "code", "fewest", "presses", "scoring" and, when set, "daily" (the
// game of that day) and "countTold" (the free first hint has told the count), put into `object`
// in place so that its other keys stay.
void PutGame(const GameInPlay& game, Json& object);
// The game those fields describe; nothing when one is missing, of the wrong type or out of range.
std::optional<GameInPlay> ReadGame(const Json& object);

}  // namespace lucen
