#pragma once

#include <QString>
#include <optional>

#include "board/game_code.h"
#include "progress/calendar_date.h"
#include "progress/game_in_play.h"

namespace lucen {

// A game's code as the window shows it.
QString GameCodeText(const GameId& id);
// Why `text` is no game code, in the player's language, naming the text.
QString CodeErrorText(CodeError error, const QString& text);
// "5 pulsaciones", "1 pulsación".
QString PressesText(int presses);
// "★★☆": `stars` of three.
QString StarsText(int stars);

// What the line under the board tells besides the game itself.
struct LineNotes {
  std::optional<int> remaining;  // the presses still needed, once a hint has told them
  bool notSaved = false;         // the game in play cannot be saved for the next start
};
// The line under the board while a numbered game is in play: what is played (the game of the day
// or of an earlier day, and the code), the presses so far and the fewest, then the notes, and
// "práctica" once it can no longer score.
QString GameLine(const GameInPlay& game, const CalendarDate& today, const LineNotes& notes = {});
// The lines under "Lo lograste!!" when a numbered game is won: its result, the stars ("¡Perfecta!"
// at the fewest), and for the game of the day its date and `streak`, the days in a row now.
QString WinLines(const GameInPlay& game, int streak);
// The line under those when the win could not be written to the records.
QString WinNotKeptLine();
// The result of a won game as a player shares it: the code, the presses, the fewest and the stars,
// the day and the streak for a game of the day; nothing of the way it was won.
QString ShareLine(const GameInPlay& game, int streak);

}  // namespace lucen
