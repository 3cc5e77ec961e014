#pragma once

#include <QString>

#include "board/game_code.h"
#include "board/game_in_play.h"

namespace lucen {

// A game's code as the window shows it.
QString GameCodeText(const GameId& id);
// Why `text` is no game code, in the player's language, naming the text.
QString CodeErrorText(CodeError error, const QString& text);
// The line under "Lo lograste!!" when a numbered game is won.
QString WinLine(const GameInPlay& game);

}  // namespace lucen
