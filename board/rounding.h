#pragma once

#include <cmath>
#include <cstdint>

namespace lucen {

// Nearest integer, ties to the even neighbour (782.5 gives 782, 783.5 gives 784). Done by hand
// rather than with std::nearbyint so that it never depends on the floating-point rounding mode.
inline std::int32_t RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  double result = below;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) result = below + 1.0;
  return static_cast<std::int32_t>(result);
}

}  // namespace lucen
