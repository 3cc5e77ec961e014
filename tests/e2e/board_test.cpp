// The board on a real X server, read back from the screen: where the cells are, what a move does,
// and the win.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using BoardTest = MainWindowTest;

TEST_F(BoardTest, CellsSitAtTheirTwipsPlacesAndStartBlack) {
  WaitUntil([&] { return static_cast<bool>(CellsAt(*game, 5)); }, kPatience);
  EXPECT_TRUE(CellsAt(*game, 5));
}

// A move changes exactly its plus-shaped group, clipped at the edges and never wrapping to the
// next or previous row; the same move again undoes it with two colours.
TEST_F(BoardTest, AMoveChangesExactlyItsPlusShapedGroup) {
  const std::vector<Rgb> black = Uniform(5, kBlack);
  ASSERT_TRUE(BoardIs(game->SettledCells(5), black, 5));
  // Centre, the four corners, and an edge cell on each side.
  for (const int index : {13, 1, 5, 21, 25, 3, 11, 15, 23}) {
    SCOPED_TRACE("cell " + std::to_string(index));
    const auto lit = game->ClickCellAndSettle(5, index);
    ASSERT_TRUE(BoardIs(lit, Showing(5, 2, {index}), 5));
    ASSERT_TRUE(BoardIs(game->ClickCellAndSettle(5, index), black, 5));
  }
}

TEST_F(BoardTest, MovesAddUpAndTheOverlapTurnsBack) {
  Board model(5, 2);
  for (const int index : {7, 8, 13}) {
    model.Press(static_cast<std::size_t>(index - 1));
    ASSERT_TRUE(BoardIs(game->ClickCellAndSettle(5, index), Expected(model), 5))
        << "after " << index;
  }
}

TEST_F(BoardTest, TheFifteenthClickOfTheSolutionWinsAndEnterLeavesTheBoardBlack) {
  const std::vector<int> solution{2, 3, 5, 7, 8, 9, 13, 14, 15, 16, 17, 19, 20, 21, 22};
  Board model(5, 2);
  for (std::size_t i = 0; i + 1 < solution.size(); ++i) {
    model.Press(static_cast<std::size_t>(solution[i] - 1));
    ASSERT_TRUE(BoardIs(game->ClickCellAndSettle(5, solution[i]), Expected(model), 5))
        << "after click " << i + 1 << " on cell " << solution[i];
    ASSERT_EQ(game->Desktop().MappedTopLevels().size(), 1u)
        << "a window appeared after click " << i + 1;
  }

  game->ClickCell(5, solution.back());
  const auto message = game->WaitForWindow([&](const TopLevel& w) { return w.id != main.id; });
  ASSERT_TRUE(message) << "no message after the fifteenth click";
  EXPECT_EQ(message->name, "Lucen");
  EXPECT_EQ(game->Desktop().NetWmName(message->id), "Lucen");
  // While the message is up, the whole board is light green. The message opens over the board;
  // it is moved aside to see every cell.
  game->Desktop().MoveWindow(message->id, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return game->Desktop().Frame(message->id).Right() < main.frame.x; },
                        kPatience));
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, Uniform(5, kLightGreen)), Uniform(5, kLightGreen), 5));
  EXPECT_EQ(game->Desktop().MappedTopLevels().size(), 2u);
  // The message is modal: a close request to the main window meanwhile is dropped.
  game->Desktop().RequestClose(main.id);
  EXPECT_TRUE(BoardIs(game->SettledCells(5), Uniform(5, kLightGreen), 5));
  EXPECT_TRUE(game->Process().Running());

  // Enter takes the OK button; then the board is black again.
  game->Desktop().Focus(message->id);
  game->Desktop().Key(XK_Return);
  ASSERT_TRUE(game->WaitUntilGone(message->id));
  EXPECT_TRUE(BoardIs(game->WaitForCells(5, Uniform(5, kBlack)), Uniform(5, kBlack), 5));
  EXPECT_TRUE(game->Process().Running());

  // And play goes on.
  EXPECT_TRUE(BoardIs(game->ClickCellAndSettle(5, 13), Showing(5, 2, {13}), 5));
}

}  // namespace
}  // namespace lucen::e2e
