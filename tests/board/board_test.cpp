// The rules, with expectations written out by hand. Cells are numbered from 1 here, as the game's
// history and a player count them.
#include "board/board.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace lucen {
namespace {

using Cells = std::set<int>;

void PressCell(Board& board, int number) {
  board.Press(static_cast<std::size_t>(number - 1));
}

Cells NotBlack(const Board& board) {
  Cells cells;
  for (std::size_t i = 0; i < board.CellCount(); ++i) {
    if (board.Step(i) != 0) cells.insert(static_cast<int>(i + 1));
  }
  return cells;
}

TEST(Board, StartsBlackWithAnEmptyHistory) {
  const Board board(7, 3);
  EXPECT_EQ(board.CellCount(), 49U);
  EXPECT_TRUE(NotBlack(board).empty());
  EXPECT_TRUE(board.History().empty());
  EXPECT_FALSE(board.Solved());
  EXPECT_FALSE(board.CanUndo());
}

TEST(Board, APressAdvancesItsPlusClippedAtTheEdges) {
  struct Case {
    int size, cell;
    Cells group;
  };
  for (const Case& c :
       {Case{5, 13, {8, 12, 13, 14, 18}}, Case{5, 1, {1, 2, 6}}, Case{5, 5, {4, 5, 10}},
        Case{5, 6, {1, 6, 7, 11}}, Case{5, 25, {20, 24, 25}}, Case{9, 81, {72, 80, 81}},
        Case{9, 9, {8, 9, 18}}, Case{9, 10, {1, 10, 11, 19}}}) {
    Board board(c.size, 2);
    const MoveResult move = board.Press(static_cast<std::size_t>(c.cell - 1));
    Cells changed;
    for (std::size_t cell : move.changed) changed.insert(static_cast<int>(cell + 1));
    EXPECT_EQ(changed, c.group) << c.size << "x" << c.size << " cell " << c.cell;
    EXPECT_EQ(NotBlack(board), c.group) << c.size << "x" << c.size << " cell " << c.cell;
    EXPECT_FALSE(move.solved);
  }
}

TEST(Board, EachCountCyclesFromBlackToLightGreenAndBack) {
  struct Case {
    int colours;
    std::vector<Rgb> afterEachPress;
  };
  for (const Case& c : {Case{2, {kLightGreen, kBlack}}, Case{3, {kLightRed, kLightGreen, kBlack}},
                        Case{4, {kYellow, kLightRed, kLightGreen, kBlack}}}) {
    Board board(5, c.colours);
    for (const Rgb& colour : c.afterEachPress) {
      PressCell(board, 13);
      for (int cell : {8, 12, 13, 14, 18}) EXPECT_EQ(board.Colour(cell - 1), colour) << cell;
      EXPECT_EQ(board.Colour(6), kBlack);
    }
  }
}

TEST(Board, FifteenPressesSolveTheFiveByFiveOnTheLastOnly) {
  Board board(5, 2);
  const std::vector<int> presses{22, 2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21};
  for (std::size_t i = 0; i < presses.size(); ++i) {
    const MoveResult move = board.Press(static_cast<std::size_t>(presses[i] - 1));
    EXPECT_EQ(move.solved, i + 1 == presses.size()) << "after press " << i + 1;
  }
  EXPECT_EQ(NotBlack(board).size(), 25U);

  board.TurnBlack();
  EXPECT_TRUE(NotBlack(board).empty());
  EXPECT_EQ(board.History(), (std::vector<std::string>{"22", "2", "3", "5", "7", "8", "9", "13",
                                                       "14", "15", "16", "17", "19", "20", "21"}))
      << "a win keeps every press, the winning one included";
}

TEST(Board, OnlyAResetEmptiesTheHistory) {
  Board board(9, 2);
  for (int cell : {1, 9, 10, 81}) PressCell(board, cell);
  EXPECT_EQ(board.History(), (std::vector<std::string>{"1", "9", "10", "81"}));

  board.Resize(6);
  EXPECT_EQ(board.CellCount(), 36U);
  EXPECT_TRUE(NotBlack(board).empty());
  EXPECT_EQ(board.History().size(), 4U) << "a size choice keeps the history";

  board.ChangeColourCount(4);
  EXPECT_EQ(board.ColourCount(), 4);
  EXPECT_TRUE(board.History().empty()) << "a colour choice resets";

  PressCell(board, 3);
  board.Reset();
  EXPECT_TRUE(board.History().empty());
  EXPECT_TRUE(NotBlack(board).empty());
  EXPECT_EQ(board.Size(), 6);
  EXPECT_EQ(board.ColourCount(), 4);
}

TEST(Board, RefusesWhatIsOutOfRangeAndStaysAsItWas) {
  for (int size : {-1, 0, 4, 10}) EXPECT_THROW(Board(size, 2), std::invalid_argument) << size;
  for (int colours : {0, 1, 5}) EXPECT_THROW(Board(5, colours), std::invalid_argument) << colours;

  Board board(5, 3);
  PressCell(board, 7);
  const std::vector<int> steps = board.Steps();
  EXPECT_THROW(board.Resize(10), std::invalid_argument);
  EXPECT_THROW(board.ChangeColourCount(1), std::invalid_argument);
  EXPECT_THROW(board.Press(25), std::out_of_range);
  EXPECT_THROW(board.Press(static_cast<std::size_t>(-1)), std::out_of_range);
  EXPECT_EQ(board.Steps(), steps);
  EXPECT_EQ(board.Size(), 5);
  EXPECT_EQ(board.ColourCount(), 3);
  EXPECT_EQ(board.History(), std::vector<std::string>{"7"});
}

TEST(Board, UndoAndRedoRestoreExactColoursAndHistory) {
  Board board(5, 4);
  PressCell(board, 1);
  const std::vector<int> afterOne = board.Steps();
  PressCell(board, 2);
  PressCell(board, 2);
  PressCell(board, 7);

  board.Undo();
  board.Undo();
  EXPECT_EQ(board.History(), (std::vector<std::string>{"1", "2"}));
  board.Undo();
  EXPECT_EQ(board.Steps(), afterOne);
  EXPECT_EQ(board.History(), std::vector<std::string>{"1"});

  const MoveResult redone = board.Redo();
  EXPECT_EQ(Cells(redone.changed.begin(), redone.changed.end()), (Cells{0, 1, 2, 6}));
  EXPECT_EQ(board.History(), (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(board.CanRedo());

  PressCell(board, 25);  // a new press: nothing left to redo
  EXPECT_FALSE(board.CanRedo());
  EXPECT_TRUE(board.Redo().changed.empty());

  board.Undo();
  board.Undo();
  board.Undo();
  EXPECT_TRUE(NotBlack(board).empty());
  EXPECT_FALSE(board.CanUndo());
  EXPECT_TRUE(board.Undo().changed.empty()) << "nothing left to undo changes nothing";
  EXPECT_TRUE(board.History().empty());
}

TEST(Board, UndoStopsAtAResetSizeColourChoiceOrWin) {
  Board board(5, 2);
  PressCell(board, 13);
  board.Resize(7);
  EXPECT_FALSE(board.CanUndo()) << "after a size choice";
  PressCell(board, 1);
  board.Undo();
  EXPECT_FALSE(board.CanUndo());
  EXPECT_EQ(board.History(), std::vector<std::string>{"13"});

  PressCell(board, 1);
  board.TurnBlack();  // as after a win
  EXPECT_FALSE(board.CanUndo());
  EXPECT_FALSE(board.CanRedo());
  PressCell(board, 2);
  board.Undo();
  EXPECT_TRUE(board.CanRedo());
  board.ChangeColourCount(3);
  EXPECT_FALSE(board.CanUndo());
  EXPECT_FALSE(board.CanRedo());
}

TEST(Board, AStartSetsThePositionAndUndoStopsThere) {
  std::vector<int> start(36, 3);
  start[9] = 1;
  Board board(6, 4);
  board.Press(0);
  board.Press(1);
  board.Undo();
  board.Start(start);
  EXPECT_EQ(board.Steps(), start);
  EXPECT_TRUE(board.History().empty());
  EXPECT_FALSE(board.CanRedo()) << "nothing undone before the start is left to redo";
  board.Press(14);
  board.Undo();
  EXPECT_EQ(board.Steps(), start);
  EXPECT_FALSE(board.CanUndo());

  board.Redo();
  const std::vector<int> before = board.Steps();
  for (const auto& bad :
       {std::vector<int>(35, 0), std::vector<int>(36, -1), std::vector<int>(36, 4)}) {
    EXPECT_THROW(board.Start(bad), std::invalid_argument);
    EXPECT_EQ(board.Steps(), before);
    EXPECT_EQ(board.History(), std::vector<std::string>{"15"});
  }
}

}  // namespace
}  // namespace lucen
