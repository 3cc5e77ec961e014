#pragma once

#include <QString>

#include "board/numbered_game.h"

namespace lucen {

// The player's lasting choices, kept in an INI file in the desktop's standard place for settings
// (on Linux $XDG_CONFIG_HOME/lucen/lucen.ini). A file that cannot be read, parsed or written never
// stops the game: reading falls back to the defaults, a choice that cannot be written is kept for
// this run only, and a file that could not be read is never written over. Choices are written on
// the background writer, keeping every other key the file holds.
struct Choices {
  bool symbolsShown = false;     // the cells show a symbol for their colour as well
  bool askBeforeHint = true;     // before a hint that costs a game its score
  bool askBeforeLeaving = true;  // before a command that leaves a first play that still scores
  bool animations = true;        // presses and wins drawn with movement
  Level level = Level::kNormal;  // of "Partida nueva"
  int zoom = 100;                // the main window's, in percent: 100, 150 or 200
};

// The keys of lucen.ini.
inline constexpr char kSymbolsKey[] = "symbols";
inline constexpr char kAskBeforeHintKey[] = "askBeforeHint";
inline constexpr char kAskBeforeLeavingKey[] = "askBeforeLeaving";
inline constexpr char kAnimationsKey[] = "animations";
inline constexpr char kLevelKey[] = "level";
inline constexpr char kZoomKey[] = "zoom";

Choices ReadChoices();
void SaveChoice(const char* key, const QString& value);
void SaveChoice(const char* key, bool value);
void SaveChoice(const char* key, Level level);

}  // namespace lucen
