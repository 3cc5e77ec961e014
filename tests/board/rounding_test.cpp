#include "board/rounding.h"

#include <gtest/gtest.h>

namespace lucen {
namespace {

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(782.5), 782);
  EXPECT_EQ(RoundHalfEven(783.5), 784);
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
}

TEST(RoundHalfEven, OtherValuesGoToTheNearest) {
  EXPECT_EQ(RoundHalfEven(696.428589), 696);
  EXPECT_EQ(RoundHalfEven(1211.857178), 1212);
  EXPECT_EQ(RoundHalfEven(-3.2), -3);
  EXPECT_EQ(RoundHalfEven(-3.7), -4);
  EXPECT_EQ(RoundHalfEven(7.0), 7);
}

}  // namespace
}  // namespace lucen
