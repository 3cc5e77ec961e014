#include "board/colour_cycle.h"

#include <array>
#include <span>

namespace lucen {

namespace {

struct Step {
  Rgb from;
  Rgb to;
};

constexpr std::array<Step, 2> kTwoColours{{{kBlack, kLightGreen}, {kLightGreen, kBlack}}};
constexpr std::array<Step, 3> kThreeColours{
    {{kBlack, kLightRed}, {kLightRed, kLightGreen}, {kLightGreen, kBlack}}};
constexpr std::array<Step, 4> kFourColours{
    {{kBlack, kYellow}, {kYellow, kLightRed}, {kLightRed, kLightGreen}, {kLightGreen, kBlack}}};

std::span<const Step> StepsFor(std::int16_t colourCount) {
  switch (colourCount) {
    case 2:
      return kTwoColours;
    case 3:
      return kThreeColours;
    case 4:
      return kFourColours;
    default:
      return {};
  }
}

}  // namespace

std::optional<Rgb> NextColour(Rgb current, std::int16_t colourCount) {
  for (const Step& step : StepsFor(colourCount)) {
    if (step.from == current) return step.to;
  }
  return std::nullopt;
}

}  // namespace lucen
