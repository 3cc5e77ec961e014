#pragma once

#include <cstdint>
#include <optional>

#include "board/colour.h"

namespace lucen {

// The colour that follows `current` in the cycle of `colourCount` colours:
//   2: black, light green
//   3: black, light red, light green
//   4: black, yellow, light red, light green
// Nothing when the count is not 2, 3 or 4, or when `current` is not part of that cycle.
std::optional<Rgb> NextColour(Rgb current, std::int16_t colourCount);

}  // namespace lucen
