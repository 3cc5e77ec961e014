// The board on a real X server, read back from the screen: where the cells are and the win. (What
// a move does is board_test's; every end-to-end test checks the screen after each of its clicks.)
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using BoardTest = PastTheAboutWindowTest;

TEST_F(BoardTest, CellsSitAtTheirTwipsPlacesAndStartBlack) {
  EXPECT_TRUE(CellsAt(*game, 5));
}

// The solver's fewest presses, clicked in turn: the last one wins, and Enter leaves the board
// black for play to go on.
TEST_F(BoardTest, TheLastClickOfASolutionWinsAndEnterLeavesTheBoardBlack) {
  std::vector<int> solution = SolutionFromBlack(5, 2);
  ASSERT_FALSE(solution.empty());
  const int last = solution.back();
  solution.pop_back();
  Board model(5, 2);
  for (const int index : solution) {
    ASSERT_TRUE(Play(*game, model, index));
    ASSERT_EQ(game->Desktop().MappedTopLevels().size(), 1u) << "a window appeared early";
  }

  game->ClickCell(5, last);
  const auto message = game->WaitForWindow([&](const TopLevel& w) { return w.id != main.id; });
  ASSERT_TRUE(message) << "no message after the last click";
  EXPECT_EQ(message->name, "Lucen");
  // While the message is up, the whole board is light green. The message opens over the board;
  // it is moved aside to see every cell.
  game->Desktop().MoveWindow(message->id, {0, 0});
  ASSERT_TRUE(
      WaitUntil([&] { return game->Desktop().Frame(message->id).right() < main.frame.x(); }));
  model.Press(static_cast<std::size_t>(last - 1));
  ASSERT_TRUE(Shows(*game, model));
  EXPECT_EQ(game->Desktop().MappedTopLevels().size(), 2u);
  // The message is modal: a close request to the main window meanwhile is dropped, not kept for
  // later. The game handles it before the Enter that follows.
  ASSERT_TRUE(game->Desktop().RequestClose(main.id));

  // Enter takes the OK button; then the board is black again, and play goes on.
  game->Desktop().Focus(message->id);
  game->Desktop().Key(XK_Return);
  ASSERT_TRUE(game->WaitUntilGone(message->id));
  EXPECT_TRUE(Shows(*game, Board(5, 2)));
  EXPECT_TRUE(game->Process().Running());
  Board next(5, 2);
  EXPECT_TRUE(Play(*game, next, 13));
  EXPECT_TRUE(game->Process().Running());
  EXPECT_EQ(game->Desktop().MappedTopLevels().size(), 1u);
}

}  // namespace
}  // namespace lucen::e2e
