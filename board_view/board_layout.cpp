#include "board_view/board_layout.h"

#include "board_view/window_design.h"

namespace lucen {

namespace {

constexpr float kBoardLeft = kTemplatePlace.left;
constexpr float kBoardTop = kTemplatePlace.top;
constexpr float kBoardWidth = 3615;

// Where each of `count` cells starts along one axis: one side further on each time, rounded.
std::vector<float> Starts(float origin, float side, int count) {
  std::vector<float> starts;
  std::int32_t start = RoundHalfEven(origin);
  for (int i = 0; i < count; ++i) {
    starts.push_back(static_cast<float>(start));
    start = RoundHalfEven(static_cast<double>(side) + start);
  }
  return starts;
}

}  // namespace

std::vector<TwipsRect> CellRects(int size) {
  const float side = kBoardWidth / static_cast<float>(size);
  const std::vector<float> lefts = Starts(kBoardLeft, side, size);
  const std::vector<float> tops = Starts(kBoardTop, side, size);
  std::vector<TwipsRect> rects;
  rects.reserve(static_cast<std::size_t>(size * size));
  for (float top : tops) {
    for (float left : lefts) rects.push_back({left, top, side, side});
  }
  return rects;
}

}  // namespace lucen
