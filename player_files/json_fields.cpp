#include "player_files/json_fields.h"

#include <climits>
#include <cmath>

#include "board/board.h"
#include "board/game_code.h"

namespace lucen {

std::optional<std::int64_t> ReadWhole(const QJsonValue& value, std::int64_t least,
                                      std::int64_t most) {
  if (!value.isDouble()) return std::nullopt;
  const double number = value.toDouble();
  if (std::floor(number) != number || number < double(least) || number > double(most)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(number);
}

void PutGame(const GameInPlay& game, QJsonObject& object) {
  object.insert("code", QString::fromStdString(GameCode(game.id)));
  object.insert("fewest", game.fewest);
  object.insert("presses", game.pressesUsed);
  object.insert("scoring", game.scoring);
  if (game.daily) {
    object.insert("daily", QString::fromStdString(IsoDate(*game.daily)));
  } else {
    object.remove("daily");
  }
}

std::optional<GameInPlay> ReadGame(const QJsonObject& object) {
  const auto id = ReadGameCode(object.value("code").toString().toStdString());
  const auto fewest = ReadWhole(object.value("fewest"), 0, 3 * Board::kMaxSize);
  const auto presses = ReadWhole(object.value("presses"), 0, INT_MAX);
  std::optional<CalendarDate> daily;
  if (object.contains("daily")) {
    daily = ReadIsoDate(object.value("daily").toString().toStdString());
    if (!daily) return std::nullopt;
  }
  if (!std::holds_alternative<GameId>(id) || !fewest || !presses ||
      !object.value("scoring").isBool()) {
    return std::nullopt;
  }
  return GameInPlay{std::get<GameId>(id), int(*fewest), int(*presses),
                    object.value("scoring").toBool(), daily};
}

}  // namespace lucen
