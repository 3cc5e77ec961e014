// A numbered game's start on the board.
#include <gtest/gtest.h>

#include <stdexcept>

#include "board/board.h"

namespace lucen {
namespace {

TEST(NumberedGame, TheBoardStartsFromItAndUndoStopsThere) {
  std::vector<int> start(36, 3);
  start[9] = 1;
  Board board(6, 4);
  board.Press(0);
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
