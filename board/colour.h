#pragma once

#include <cstdint>

namespace lucen {

// A cell's colour as an exact RGB triple. Cells are compared by exact value, so any colour a
// toolkit may hand us (say, a default button face) is representable and simply never matches.
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

}  // namespace lucen
