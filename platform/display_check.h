#pragma once

namespace lucen {

// Whether the windowing system Qt is about to use can be reached. Qt aborts the process when it
// cannot connect to an X display; asking first lets the game leave with a plain message instead.
bool GraphicalDisplayAvailable();

}  // namespace lucen
