#pragma once

#include <emscripten/val.h>

#include <optional>
#include <string>
#include <vector>

#include "board/game_code.h"
#include "board/palette.h"
#include "progress/calendar_date.h"
#include "progress/day_mark.h"
#include "progress/game_in_play.h"
#include "progress/records_json.h"

// The game's values as the page's JavaScript takes them: plain objects, arrays and keys.
namespace lucen {

using emscripten::val;

// The date on the player's clock, where the player is, as the desktop takes it from Qt.
CalendarDate LocalToday();

template <typename Number>
val Array(const std::vector<Number>& values) {
  val array = val::array();
  for (std::size_t i = 0; i < values.size(); ++i) array.set(i, values[i]);
  return array;
}

template <typename Number>
val OptionalValue(const std::optional<Number>& value) {
  return value ? val(*value) : val::null();
}

const char* MarkKey(DayMark mark);
std::optional<GameId> ReadCode(const std::string& text);
val GameObject(const GameInPlay& game, const CalendarDate& today);
val DateObject(const CalendarDate& date);
// The records as read from the page's storage: nothing stored reads as no records at all.
RecordsDocument ReadStored(const std::string& text);

// The steps 0..colourCount-1 of a cycle, each as its exact colour and its name's key.
val Palette(int colourCount);
// The code of the game of the day on a date; empty for a date that does not exist.
std::string DailyCode(int year, int month, int day);
// The first code anywhere in a pasted text, or null.
val FindCode(const std::string& text);
// {code} for a text that is exactly a code, or {error} saying why it is none.
val ReadCodeObject(const std::string& text);
val Limits();

}  // namespace lucen
