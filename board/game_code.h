#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "board/numbered_game.h"

namespace lucen {

// Why a text is not a game code, for the window to put in words.
enum class CodeError {
  kEmpty,              // nothing but blanks
  kNotACode,           // not of the form NxN-C-NUMBER
  kSidesDiffer,        // NxM with N != M
  kSizeOutOfRange,     // a side outside 5..9
  kColoursOutOfRange,  // a colour count outside 2..4
  kNumberOutOfRange,   // a number outside 1..999 999
};

// A game's code, which a person can read aloud and type back: "7x7-3-123456" for the 7 x 7 board
// under 3 colours, game 123456. Numbers are written without leading zeros.
std::string GameCode(const GameId& id);

// The game that `text` names, or why it names none. Blanks around the code and a capital X are
// accepted; nothing else is.
std::variant<GameId, CodeError> ReadGameCode(std::string_view text);

// The first game code found anywhere in `text` (a friend's whole shared line, say), standing on
// its own: not glued to letters or digits on either side.
std::optional<GameId> FindGameCode(std::string_view text);

}  // namespace lucen
