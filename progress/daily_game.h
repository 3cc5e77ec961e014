#pragma once

#include <array>

#include "board/numbered_game.h"
#include "progress/calendar_date.h"

namespace lucen {

// The board of the game of the day, by day of the week: easy early in the week, harder at the
// weekend.
struct DailyBoard {
  int size;
  int colourCount;
};
inline constexpr std::array<DailyBoard, 7> kDailyBoards{{
    {5, 2},  // Monday
    {6, 2},  // Tuesday
    {6, 3},  // Wednesday
    {7, 3},  // Thursday
    {8, 3},  // Friday
    {8, 4},  // Saturday
    {9, 4},  // Sunday
}};

// The game of the day on `date`: the same for every player, chosen by the date alone through the
// game's own generator. Throws std::invalid_argument for a date that does not exist.
GameId DailyGame(const CalendarDate& date);

}  // namespace lucen
