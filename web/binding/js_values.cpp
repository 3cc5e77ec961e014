#include "web/binding/js_values.h"

#include <emscripten.h>

#include <variant>

#include "progress/daily_game.h"

namespace lucen {

namespace {

const char* ColourKey(Rgb colour) {
  if (colour == kYellow) return "yellow";
  if (colour == kLightRed) return "lightRed";
  if (colour == kLightGreen) return "lightGreen";
  return "black";
}

const char* CodeErrorKey(CodeError error) {
  switch (error) {
    case CodeError::kEmpty:
      return "empty";
    case CodeError::kNotACode:
      return "notACode";
    case CodeError::kSidesDiffer:
      return "sidesDiffer";
    case CodeError::kSizeOutOfRange:
      return "sizeOutOfRange";
    case CodeError::kColoursOutOfRange:
      return "coloursOutOfRange";
    case CodeError::kNumberOutOfRange:
      return "numberOutOfRange";
  }
  return "notACode";
}

}  // namespace

// clang-format off
EM_JS(int, LocalDateNumber, (), {
  const now = new Date();
  return now.getFullYear() * 10000 + (now.getMonth() + 1) * 100 + now.getDate();
});
// clang-format on

CalendarDate LocalToday() {
  const int number = LocalDateNumber();
  return {number / 10000, number / 100 % 100, number % 100};
}

std::optional<GameId> ReadCode(const std::string& text) {
  const auto read = ReadGameCode(text);
  if (const GameId* id = std::get_if<GameId>(&read)) return *id;
  return std::nullopt;
}

val GameObject(const GameInPlay& game, const CalendarDate& today) {
  val object = val::object();
  object.set("code", GameCode(game.id));
  object.set("size", game.id.size);
  object.set("colourCount", game.id.colourCount);
  object.set("number", game.id.number);
  object.set("fewest", game.fewest);
  object.set("presses", game.pressesUsed);
  object.set("scoring", game.scoring);
  object.set("daily", game.daily ? val(IsoDate(*game.daily)) : val::null());
  object.set("dailyIsToday", game.daily.has_value() && *game.daily == today);
  object.set("stars", OptionalValue(game.Stars()));
  const std::optional<int> result = game.Result();
  object.set("perfect", result.has_value() && *result == 0);
  return object;
}

val Palette(int colourCount) {
  val colours = val::array();
  if (colourCount < Board::kMinColours || colourCount > Board::kMaxColours) return colours;
  for (int step = 0; step < colourCount; ++step) {
    const Rgb rgb = StepColour(step, colourCount);
    val colour = val::object();
    colour.set("rgb", Array(std::vector<int>{rgb.red, rgb.green, rgb.blue}));
    colour.set("key", ColourKey(rgb));
    colours.set(step, colour);
  }
  return colours;
}

std::string DailyCode(int year, int month, int day) {
  const CalendarDate date{year, month, day};
  return IsValid(date) ? GameCode(DailyGame(date)) : std::string();
}

val FindCode(const std::string& text) {
  const std::optional<GameId> found = FindGameCode(text);
  return found ? val(GameCode(*found)) : val::null();
}

val ReadCodeObject(const std::string& text) {
  const auto read = ReadGameCode(text);
  val object = val::object();
  if (const GameId* id = std::get_if<GameId>(&read)) {
    object.set("code", GameCode(*id));
  } else {
    object.set("error", CodeErrorKey(std::get<CodeError>(read)));
  }
  return object;
}

const char* MarkKey(DayMark mark) {
  switch (mark) {
    case DayMark::kPlayed:
      return "played";
    case DayMark::kWon:
      return "won";
    case DayMark::kPerfect:
      return "perfect";
    case DayMark::kMissed:
      break;
  }
  return "missed";
}

val DateObject(const CalendarDate& date) {
  val object = val::object();
  object.set("year", date.year);
  object.set("month", date.month);
  object.set("day", date.day);
  return object;
}

RecordsDocument ReadStored(const std::string& text) {
  return text.empty() ? RecordsDocument{} : ReadRecordsJson(text);
}

val Limits() {
  val limits = val::object();
  limits.set("minSize", Board::kMinSize);
  limits.set("maxSize", Board::kMaxSize);
  limits.set("minColours", Board::kMinColours);
  limits.set("maxColours", Board::kMaxColours);
  limits.set("mostRecordsBytes", static_cast<double>(kMostRecordsBytes));
  return limits;
}

}  // namespace lucen
