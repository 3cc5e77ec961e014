#pragma once

namespace lucen {

// The player's lasting choices, kept with QSettings in the desktop's standard place for settings
// (on Linux $XDG_CONFIG_HOME/lucen/lucen.ini). A settings file that cannot be read, parsed or
// written never stops the game: reading falls back to the default, and a choice that cannot be
// written is kept for this run only.

// Whether the cells show a symbol for their colour as well (off unless the player chose it).
bool ReadSymbolsShown();
void KeepSymbolsShown(bool shown);

}  // namespace lucen
