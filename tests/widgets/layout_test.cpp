// Where the cells go, to the twip, with nothing but the layout function.
#include "board_view/board_layout.h"

#include <gtest/gtest.h>

#include <vector>

namespace lucen {
namespace {

TEST(Layout, CellsTileTheBoardAreaToTheTwip) {
  struct Case {
    int size;
    float side;
    std::vector<float> starts;
  };
  const std::vector<Case> cases{
      {5, 723.0F, {180, 903, 1626, 2349, 3072}},
      {6, 602.5F, {180, 782, 1384, 1986, 2588, 3190}},  // 782.5 goes to the even 782
      {7, 516.428589F, {180, 696, 1212, 1728, 2244, 2760, 3276}},
      {8, 451.875F, {180, 632, 1084, 1536, 1988, 2440, 2892, 3344}},
      {9, 401.666656F, {180, 582, 984, 1386, 1788, 2190, 2592, 2994, 3396}},
  };
  for (const Case& c : cases) {
    const std::vector<TwipsRect> rects = CellRects(c.size);
    ASSERT_EQ(rects.size(), static_cast<std::size_t>(c.size * c.size));
    for (int row = 0; row < c.size; ++row) {
      for (int column = 0; column < c.size; ++column) {
        const TwipsRect& cell = rects[static_cast<std::size_t>(row * c.size + column)];
        EXPECT_EQ(cell.left, c.starts[static_cast<std::size_t>(column)]) << c.size;
        EXPECT_EQ(cell.top, c.starts[static_cast<std::size_t>(row)]) << c.size;
        EXPECT_EQ(cell.width, c.side) << c.size;
        EXPECT_EQ(cell.height, c.side) << c.size;
      }
    }
  }
}

TEST(Layout, RoundingTakesTiesToTheEvenNeighbour) {
  for (const auto& [value, rounded] : std::vector<std::pair<double, int>>{{782.5, 782},
                                                                          {783.5, 784},
                                                                          {0.5, 0},
                                                                          {-0.5, 0},
                                                                          {-2.5, -2},
                                                                          {-3.7, -4},
                                                                          {1211.857, 1212}}) {
    EXPECT_EQ(RoundHalfEven(value), rounded) << value;
  }
}

}  // namespace
}  // namespace lucen
