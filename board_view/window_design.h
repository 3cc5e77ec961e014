#pragma once

#include "desktop/twips.h"

namespace lucen {

// The main window's design places, in twips: the client area below the menu bar, and the
// template cell, whose corner is where the board starts.
inline constexpr TwipsRect kClientArea{0, 0, 4020, 4005};
inline constexpr TwipsRect kTemplatePlace{180, 180, 555, 555};

}  // namespace lucen
