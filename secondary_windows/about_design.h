#pragma once

#include "desktop/twips.h"

namespace lucen {

// The about window's design places, in twips: the window itself, the two links (their corners;
// each link then takes the size of its text) and the notice below them.
inline constexpr TwipsRect kAboutWindow{0, 0, 4260, 6300};
inline constexpr TwipsRect kMailLinkPlace{1605, 4350, 1575, 240};
inline constexpr TwipsRect kWebLinkPlace{1635, 4605, 1485, 240};
inline constexpr TwipsRect kNoticePlace{240, 4980, 4185, 1005};

}  // namespace lucen
