// Playing with the keyboard alone, and the game on a screen of twice the pixel density.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using KeyboardTest = MainWindowTest;

// The focus starts on cell 1; arrows walk the grid and stop at its edges; Space plays.
TEST_F(KeyboardTest, ArrowsAndSpacePlayWithoutAMouse) {
  game->Desktop().Focus(main.id);
  const std::vector<Rgb> black = Uniform(5, kBlack);
  ASSERT_TRUE(BoardIs(game->SettledCells(5), black, 5));

  game->Desktop().Key(XK_space);
  std::vector<Rgb> expected = AfterMove(black, 5, 1, TwoColourStep);
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, expected), expected, 5));

  // Up and Left stop at the corner; then to cell 13 and play it.
  for (unsigned long key : {XK_Up, XK_Left, XK_Down, XK_Down, XK_Right, XK_Right}) {
    game->Desktop().Key(key);
  }
  game->Desktop().Key(XK_space);
  expected = AfterMove(expected, 5, 13, TwoColourStep);
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, expected), expected, 5));

  // Right from the last column stays in the row, Down from the last row stays on the board.
  for (int i = 0; i < 6; ++i) game->Desktop().Key(XK_Right);
  for (int i = 0; i < 6; ++i) game->Desktop().Key(XK_Down);
  game->Desktop().Key(XK_space);
  expected = AfterMove(expected, 5, 25, TwoColourStep);
  EXPECT_TRUE(BoardIs(game->WaitForCells(5, expected), expected, 5));
}

class DoubleDensityTest : public MainWindowTest {
 protected:
  GameOptions Options() const override {
    GameOptions options;
    options.scale = 2;
    return options;
  }
};

// At two device pixels per pixel the windows are twice the size, the cells still sit at their
// places (each cell's centre shows its exact colour) and a move works as ever.
TEST_F(DoubleDensityTest, TheGameScalesWhole) {
  EXPECT_EQ(main.frame.width, 2 * kClientWidth);
  EXPECT_GT(game->MenuBarHeight(), 0);
  ASSERT_TRUE(BoardIs(game->SettledCells(5), Uniform(5, kBlack), 5));
  const auto moved = game->ClickCellAndSettle(5, 13);
  EXPECT_TRUE(BoardIs(moved, AfterMove(Uniform(5, kBlack), 5, 13, TwoColourStep), 5));

  // No pixel of the window's background shows between the cells.
  const Rect client = game->ClientArea();
  const auto rects = CellRects(5);
  const Rect board{client.x + rects[1].x * 2, client.y + rects[1].y * 2,
                   (rects[25].Right() - rects[1].x) * 2, (rects[25].Bottom() - rects[1].y) * 2};
  const Snapshot shot = game->Desktop().Grab(board);
  const Rgb background = game->Desktop().PixelAt(client.x + 4, client.y + 4);
  int gaps = 0;
  for (int y = board.y; y < board.Bottom(); ++y) {
    for (int x = board.x; x < board.Right(); ++x) gaps += shot.At(x, y) == background ? 1 : 0;
  }
  EXPECT_EQ(gaps, 0);
}

}  // namespace
}  // namespace lucen::e2e
