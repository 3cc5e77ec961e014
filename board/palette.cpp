#include "board/palette.h"

#include <array>
#include <stdexcept>

namespace lucen {

Rgb StepColour(int step, int colourCount) {
  static constexpr std::array<Rgb, 2> kTwo{kBlack, kLightGreen};
  static constexpr std::array<Rgb, 3> kThree{kBlack, kLightRed, kLightGreen};
  static constexpr std::array<Rgb, 4> kFour{kBlack, kYellow, kLightRed, kLightGreen};
  if (step < 0 || step >= colourCount) throw std::out_of_range("colour step outside the cycle");
  const auto at = static_cast<std::size_t>(step);
  switch (colourCount) {
    case 2:
      return kTwo[at];
    case 3:
      return kThree[at];
    case 4:
      return kFour[at];
    default:
      throw std::out_of_range("colour count outside 2..4");
  }
}

}  // namespace lucen
