#pragma once

#include <cstdint>

namespace lucen {

// A cell's colour as an exact RGB triple.
struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The four entries of the 16-colour palette that the game uses (numbers 0, 14, 12 and 10).
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kLightRed{255, 0, 0};
inline constexpr Rgb kLightGreen{0, 255, 0};

// The colour of step `step` (0..colourCount-1) of the cycle of `colourCount` (2..4) colours:
//   2: black, light green
//   3: black, light red, light green
//   4: black, yellow, light red, light green
// Every cycle starts at black and ends at light green, the target. Throws std::out_of_range for
// a count or step outside those ranges.
Rgb StepColour(int step, int colourCount);

}  // namespace lucen
