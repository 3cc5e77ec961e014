#include "board/colour_cycle.h"

#include <gtest/gtest.h>

#include <vector>

namespace lucen {
namespace {

// Follows the cycle from black until it comes back to black (or stops), at most 10 steps.
std::vector<Rgb> WalkFromBlack(std::int16_t colourCount) {
  std::vector<Rgb> seen{kBlack};
  for (int step = 0; step < 10; ++step) {
    const auto next = NextColour(seen.back(), colourCount);
    if (!next) break;
    if (*next == kBlack) return seen;
    seen.push_back(*next);
  }
  ADD_FAILURE() << "the cycle for " << colourCount << " colours never returns to black";
  return seen;
}

TEST(ColourCycle, EachCountRunsFromBlackToLightGreenAndBack) {
  EXPECT_EQ(WalkFromBlack(2), (std::vector<Rgb>{kBlack, kLightGreen}));
  EXPECT_EQ(WalkFromBlack(3), (std::vector<Rgb>{kBlack, kLightRed, kLightGreen}));
  EXPECT_EQ(WalkFromBlack(4), (std::vector<Rgb>{kBlack, kYellow, kLightRed, kLightGreen}));
}

TEST(ColourCycle, ColoursOutsideTheCycleHaveNoSuccessor) {
  EXPECT_FALSE(NextColour(kYellow, 3));
  EXPECT_FALSE(NextColour(kYellow, 2));
  EXPECT_FALSE(NextColour(kLightRed, 2));
  const Rgb buttonFace{240, 240, 240};
  const Rgb nearlyBlack{0, 0, 1};
  for (std::int16_t count = 2; count <= 4; ++count) {
    EXPECT_FALSE(NextColour(buttonFace, count)) << count;
    EXPECT_FALSE(NextColour(nearlyBlack, count)) << count;
  }
}

TEST(ColourCycle, CountsOtherThanTwoToFourChangeNothing) {
  for (int count : {-1, 0, 1, 5, 16, 32767}) {
    for (Rgb colour : {kBlack, kYellow, kLightRed, kLightGreen}) {
      EXPECT_FALSE(NextColour(colour, static_cast<std::int16_t>(count))) << count;
    }
  }
}

}  // namespace
}  // namespace lucen
