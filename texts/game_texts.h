#pragma once

#include <QString>

#include "board/game_code.h"
#include "progress/game_in_play.h"

namespace lucen {

// A game's code as the window shows it.
QString GameCodeText(const GameId& id);
// Why `text` is no game code, in the player's language, naming the text.
QString CodeErrorText(CodeError error, const QString& text);
// "5 pulsaciones", "1 pulsación".
QString PressesText(int presses);
// The line under the board while a numbered game is in play: its code, the presses so far and
// the fewest, and "práctica" once it can no longer score.
QString GameLine(const GameInPlay& game);
// The line under "Lo lograste!!" when a numbered game is won.
QString WinLine(const GameInPlay& game);
// The line under those when the win could not be written to the records.
QString WinNotKeptLine();
// The result of a won game as a player shares it: the code, the presses and the fewest, the day
// for a game of the day; nothing of the way it was won.
QString ShareLine(const GameInPlay& game);

}  // namespace lucen
