#pragma once

namespace lucen {

// The player's lasting choices, kept in an INI file in the desktop's standard place for settings
// (on Linux $XDG_CONFIG_HOME/lucen/lucen.ini). A file that cannot be read, parsed or written never
// stops the game: reading falls back to the default, a choice that cannot be written is kept for
// this run only, and a file that could not be read is never written over. Choices are written on
// the background writer, keeping every other key the file holds.

// Whether the cells show a symbol for their colour as well (off unless the player chose it).
bool ReadSymbolsShown();
void SaveSymbolsShown(bool shown);

}  // namespace lucen
