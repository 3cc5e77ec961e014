#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "board/board.h"
#include "tests/board/fake_controls.h"

namespace lucen {
namespace {

using testing::BuildSquare;
using testing::FakeControls;

// The cells a click on `index` should touch, worked out on (row, column) coordinates.
std::set<int> PlusAround(int index, int size) {
  const int row = (index - 1) / size;
  const int col = (index - 1) % size;
  std::set<int> group;
  const int offsets[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
  for (const auto& offset : offsets) {
    const int r = row + offset[0];
    const int c = col + offset[1];
    if (r >= 0 && r < size && c >= 0 && c < size) group.insert(r * size + c + 1);
  }
  return group;
}

std::set<int> NonBlackCells(const Board& board) {
  std::set<int> coloured;
  for (std::int16_t i = 1; i < board.CellCount(); ++i) {
    if (!(board.CellColour(i) == kBlack)) coloured.insert(i);
  }
  return coloured;
}

class MoveTest : public ::testing::Test {
 protected:
  FakeControls controls;
  Board board{controls};
};

TEST_F(MoveTest, EveryClickChangesExactlyItsClippedPlusOn5x5And9x9) {
  for (std::int16_t size : {5, 9}) {
    Board fresh(controls);
    BuildSquare(fresh, size);
    for (std::int16_t index = 1; index <= size * size; ++index) {
      fresh.Command1_Click(index);
      EXPECT_EQ(NonBlackCells(fresh), PlusAround(index, size))
          << size << "x" << size << " cell " << index;
      fresh.Command1_Click(index);  // two colours: the same click undoes it
      ASSERT_TRUE(NonBlackCells(fresh).empty());
    }
    fresh.TearDown();
  }
}

TEST_F(MoveTest, CornersAndEdgesNeverWrapToAnotherRow) {
  BuildSquare(board, 5);
  board.Command1_Click(5);
  EXPECT_EQ(NonBlackCells(board), (std::set<int>{4, 5, 10}));
  board.Command1_Click(5);
  board.Command1_Click(6);
  EXPECT_EQ(NonBlackCells(board), (std::set<int>{1, 6, 7, 11}));
}

TEST_F(MoveTest, FifteenClicksWinOnTheLastOneOnly) {
  BuildSquare(board, 5);
  const std::vector<std::int16_t> solution{22, 2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21};
  std::vector<Rgb> colourDuringWin;
  controls.onWin = [&] {
    for (std::int16_t i = 1; i < board.CellCount(); ++i)
      colourDuringWin.push_back(controls.cells[i].colour);
  };

  for (std::size_t click = 0; click < solution.size(); ++click) {
    board.Command1_Click(solution[click]);
    EXPECT_EQ(controls.wins, click + 1 == solution.size() ? 1 : 0) << "after click " << click + 1;
  }

  EXPECT_EQ(colourDuringWin, std::vector<Rgb>(25, kLightGreen)) << "the board shows the win";
  EXPECT_TRUE(NonBlackCells(board).empty()) << "and is black once the message is dismissed";
  std::vector<std::string> expected;
  for (std::int16_t index : solution) expected.push_back(std::to_string(index));
  EXPECT_EQ(board.History(), expected) << "a win keeps every move, the winning one included";
  EXPECT_EQ(controls.history, expected);
}

TEST_F(MoveTest, HistoryHoldsPlainDecimalIndices) {
  BuildSquare(board, 9);
  for (std::int16_t index : {1, 9, 10, 81}) board.Command1_Click(index);
  EXPECT_EQ(board.History(), (std::vector<std::string>{"1", "9", "10", "81"}));
}

TEST_F(MoveTest, FourColoursStepEachCellOnceAlongTheLongCycle) {
  BuildSquare(board, 5, 4);
  const std::vector<Rgb> expected{kYellow, kLightRed, kLightGreen, kBlack};
  for (const Rgb& colour : expected) {
    board.Command1_Click(13);
    for (int cell : {13, 8, 18, 12, 14}) {
      EXPECT_EQ(board.CellColour(static_cast<std::int16_t>(cell)), colour) << cell;
    }
    EXPECT_EQ(board.CellColour(7), kBlack);
  }
}

TEST_F(MoveTest, AdvanceCellIgnoresIndicesOffTheBoardAndKeepsTheTemplate) {
  BuildSquare(board, 5);
  for (std::int16_t index : {0, -1, -32768, 26, 27, 32767}) {
    board.CellIndex = index;
    board.AdvanceCell();
  }
  EXPECT_TRUE(NonBlackCells(board).empty());
  EXPECT_EQ(board.CellColour(0), kBlack);

  for (std::int16_t index : {1, 25}) {
    board.CellIndex = index;
    board.AdvanceCell();
  }
  EXPECT_EQ(NonBlackCells(board), (std::set<int>{1, 25}));
}

TEST_F(MoveTest, ColoursOutsideTheCycleAndUnknownCountsAreLeftAlone) {
  BuildSquare(board, 5, 3);
  const Rgb buttonFace{240, 240, 240};
  board.SetCellColour(13, kYellow);
  board.SetCellColour(8, buttonFace);
  board.Command1_Click(13);
  EXPECT_EQ(board.CellColour(13), kYellow);
  EXPECT_EQ(board.CellColour(8), buttonFace);
  EXPECT_EQ(board.CellColour(18), kLightRed);

  board.MnuReset_Click();
  for (std::int16_t count : {0, 1, 5, -2}) {
    board.ColourCount = count;
    board.Command1_Click(7);
  }
  EXPECT_TRUE(NonBlackCells(board).empty());
  EXPECT_EQ(board.History().size(), 4U) << "the clicks still count as moves";
}

TEST_F(MoveTest, ClicksOffTheBoardAreNotMoves) {
  board.Command1_Click(1);  // no board yet: nothing to click
  BuildSquare(board, 5);
  board.Command1_Click(0);
  board.Command1_Click(26);
  EXPECT_TRUE(board.History().empty());
  EXPECT_EQ(controls.wins, 0);
}

}  // namespace
}  // namespace lucen
