#include <gtest/gtest.h>

#include <vector>

#include "board/board.h"
#include "tests/board/fake_controls.h"

namespace lucen {
namespace {

using testing::BuildSquare;
using testing::FakeControls;

std::vector<float> ColumnLefts(FakeControls& controls, int size) {
  std::vector<float> lefts;
  for (int c = 1; c <= size; ++c) lefts.push_back(controls.cells.at(c).left);
  return lefts;
}

struct LayoutCase {
  std::int16_t size;
  float side;
  std::vector<float> lefts;
};

TEST(Layout, CellsTileTheBoardAreaToTheTwip) {
  const std::vector<LayoutCase> cases{
      {5, 723.0F, {180, 903, 1626, 2349, 3072}},
      {6, 602.5F, {180, 782, 1384, 1986, 2588, 3190}},
      {7, 3615.0F / 7.0F, {180, 696, 1212, 1728, 2244, 2760, 3276}},
      {8, 451.875F, {180, 632, 1084, 1536, 1988, 2440, 2892, 3344}},
      {9, 3615.0F / 9.0F, {180, 582, 984, 1386, 1788, 2190, 2592, 2994, 3396}},
  };
  for (const LayoutCase& layout : cases) {
    FakeControls controls;
    Board board(controls);
    BuildSquare(board, layout.size);
    const int n = layout.size;
    ASSERT_EQ(board.CellCount(), n * n + 1);
    EXPECT_EQ(controls.templateCell.width, layout.side) << n;
    EXPECT_EQ(controls.templateCell.height, layout.side) << n;
    EXPECT_EQ(ColumnLefts(controls, n), layout.lefts) << n;
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) {
        const auto& cell = controls.cells.at(r * n + c + 1);
        EXPECT_EQ(cell.left, layout.lefts[c]);
        EXPECT_EQ(cell.top, layout.lefts[r]) << "rows step like columns";
        EXPECT_EQ(cell.width, layout.side);
        EXPECT_TRUE(cell.visible);
        EXPECT_EQ(cell.colour, kBlack);
      }
    }
  }
  EXPECT_EQ(3615.0F / 7.0F, 516.428589F);
  EXPECT_EQ(3615.0F / 9.0F, 401.666656F);
}

TEST(Layout, AWholePixelToolkitGetsWholePixelCells) {
  FakeControls controls(FakeControls::Store::kWholePixels);
  Board board(controls);
  BuildSquare(board, 5);
  EXPECT_EQ(controls.templateCell.width, 720.0F);
  EXPECT_EQ(controls.templateCell.height, 720.0F);
  EXPECT_EQ(ColumnLefts(controls, 5), (std::vector<float>{180, 900, 1620, 2340, 3060}));
  EXPECT_EQ(controls.cells.at(25).top, 3060.0F);
}

TEST(Layout, EachCellIsInFrontOfAllEarlierOnesAndCellOneCoversTheTemplate) {
  FakeControls controls;
  Board board(controls);
  BuildSquare(board, 6);
  std::vector<int> expected;
  for (int i = 1; i <= 36; ++i) expected.push_back(i);
  EXPECT_EQ(controls.zOrder, expected);
  const auto& first = controls.cells.at(1);
  EXPECT_EQ(first.left, controls.templateCell.left);
  EXPECT_EQ(first.top, controls.templateCell.top);
  EXPECT_EQ(first.width, controls.templateCell.width);
}

TEST(Layout, TearDownKeepsTheTemplateAtItsLastSizeAndANewBuildIsAllBlack) {
  FakeControls controls;
  Board board(controls);
  BuildSquare(board, 5, 4);
  board.Command1_Click(13);
  board.Command1_Click(1);

  board.TearDown();
  EXPECT_EQ(board.CellCount(), 1);
  EXPECT_TRUE(controls.cells.empty());
  EXPECT_EQ(controls.templateCell.width, 723.0F);
  EXPECT_EQ(board.History().size(), 2U) << "a teardown keeps the history";

  BuildSquare(board, 9, 4);
  EXPECT_EQ(controls.templateCell.width, 3615.0F / 9.0F) << "sized from the area, not the template";
  for (std::int16_t i = 1; i <= 81; ++i) EXPECT_EQ(board.CellColour(i), kBlack) << i;
}

TEST(Reset, BlackensEveryCellEmptiesHistoryAndMovesNothing) {
  FakeControls controls;
  Board board(controls);
  BuildSquare(board, 7, 3);
  board.Command1_Click(25);
  board.Command1_Click(1);
  const auto placesBefore = controls.cells;

  board.MnuReset_Click();
  EXPECT_TRUE(board.History().empty());
  EXPECT_TRUE(controls.history.empty());
  for (std::int16_t i = 1; i <= 49; ++i) {
    EXPECT_EQ(board.CellColour(i), kBlack);
    EXPECT_EQ(controls.cells.at(i).left, placesBefore.at(i).left);
    EXPECT_EQ(controls.cells.at(i).top, placesBefore.at(i).top);
  }
  EXPECT_EQ(board.ColourCount, 3);
}

TEST(Reset, WithOnlyTheTemplateStillEmptiesTheHistory) {
  FakeControls controls;
  Board board(controls);
  BuildSquare(board, 5);
  board.Command1_Click(3);
  board.TearDown();
  board.MnuReset_Click();
  EXPECT_TRUE(board.History().empty());
  EXPECT_EQ(board.CellCount(), 1);
  EXPECT_EQ(controls.templateCell.colour, kBlack);
}

}  // namespace
}  // namespace lucen
