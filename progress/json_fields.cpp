#include "progress/json_fields.h"

#include <climits>
#include <cmath>
#include <string>
#include <variant>

#include "board/board.h"
#include "board/game_code.h"

namespace lucen {
namespace {

// Far deeper than any document of the game's; the writer recurses once for each level.
constexpr int kMostNesting = 512;

bool NestedWithin(std::string_view text, int most) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if ((c == '[' || c == '{') && ++depth > most) {
      return false;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return true;
}

}  // namespace

std::optional<Json> ParseJsonObject(std::string_view text) {
  if (!NestedWithin(text, kMostNesting)) return std::nullopt;
  Json parsed = Json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
  if (!parsed.is_object()) return std::nullopt;
  return parsed;
}

std::string JsonText(const Json& document) {
  return document.dump();
}

const Json* Field(const Json& object, const char* key) {
  if (!object.is_object()) return nullptr;
  const auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

std::optional<std::int64_t> ReadWhole(const Json& value, std::int64_t least, std::int64_t most) {
  if (value.is_number_unsigned()) {
    const auto number = value.get<std::uint64_t>();
    if (number > static_cast<std::uint64_t>(INT64_MAX)) return std::nullopt;
    const auto whole = static_cast<std::int64_t>(number);
    if (whole < least || whole > most) return std::nullopt;
    return whole;
  }
  if (value.is_number_integer()) {
    const auto whole = value.get<std::int64_t>();
    if (whole < least || whole > most) return std::nullopt;
    return whole;
  }
  // Another writer may put a whole number as 4.0.
  if (!value.is_number_float()) return std::nullopt;
  const double number = value.get<double>();
  if (std::floor(number) != number || number < double(least) || number > double(most)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(number);
}

void PutDate(Json& object, const char* key, const std::optional<CalendarDate>& date) {
  if (date) {
    object[key] = IsoDate(*date);
  } else {
    object.erase(key);
  }
}

bool ReadDate(const Json* value, std::optional<CalendarDate>& date) {
  if (!value) return true;
  date = value->is_string() ? ReadIsoDate(value->get_ref<const std::string&>()) : std::nullopt;
  return date.has_value();
}

void PutGame(const GameInPlay& game, Json& object) {
  if (!object.is_object()) object = Json::object();
  object["code"] = GameCode(game.id);
  object["fewest"] = game.fewest;
  object["presses"] = game.pressesUsed;
  object["scoring"] = game.scoring;
  PutDate(object, "daily", game.daily);
  if (game.countTold) {
    object["countTold"] = true;
  } else {
    object.erase("countTold");
  }
}

std::optional<GameInPlay> ReadGame(const Json& object) {
  const Json* code = Field(object, "code");
  const Json* fewest = Field(object, "fewest");
  const Json* presses = Field(object, "presses");
  const Json* scoring = Field(object, "scoring");
  const Json* daily = Field(object, "daily");
  const Json* countTold = Field(object, "countTold");
  if (!code || !code->is_string() || !fewest || !presses || !scoring || !scoring->is_boolean() ||
      (countTold && !countTold->is_boolean())) {
    return std::nullopt;
  }
  const auto id = ReadGameCode(code->get_ref<const std::string&>());
  const auto fewestRead = ReadWhole(*fewest, 0, 3 * Board::kMaxSize);
  const auto pressesRead = ReadWhole(*presses, 0, INT_MAX);
  GameInPlay game;
  if (!ReadDate(daily, game.daily)) return std::nullopt;
  if (!std::holds_alternative<GameId>(id) || !fewestRead || !pressesRead) return std::nullopt;
  game.id = std::get<GameId>(id);
  game.fewest = static_cast<int>(*fewestRead);
  game.pressesUsed = static_cast<int>(*pressesRead);
  game.scoring = scoring->get<bool>();
  game.countTold = countTold && countTold->get<bool>();
  return game;
}

}  // namespace lucen
