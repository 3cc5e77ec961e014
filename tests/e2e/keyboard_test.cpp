// Playing with the keyboard alone, the help commands' shortcuts, and the game on a screen of twice
// the pixel density.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <numeric>

#include "board/solver.h"

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
  std::vector<Rgb> expected = Showing(5, 2, {1});
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, expected), expected, 5));

  // Up and Left stop at the corner; then to cell 13 and play it.
  for (unsigned long key : {XK_Up, XK_Left, XK_Down, XK_Down, XK_Right, XK_Right}) {
    game->Desktop().Key(key);
  }
  game->Desktop().Key(XK_space);
  expected = Showing(5, 2, {1, 13});
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, expected), expected, 5));

  // Right from the last column stays in the row, Down from the last row stays on the board.
  for (int i = 0; i < 6; ++i) game->Desktop().Key(XK_Right);
  for (int i = 0; i < 6; ++i) game->Desktop().Key(XK_Down);
  game->Desktop().Key(XK_space);
  expected = Showing(5, 2, {1, 13, 25});
  EXPECT_TRUE(BoardIs(game->WaitForCells(5, expected), expected, 5));
}

// Under three colours: Ctrl+Z takes a move back, Ctrl+Shift+Z and Ctrl+Y play it again, and
// Ctrl+H then Space, over and over, wins in the fewest presses.
TEST_F(KeyboardTest, UndoRedoAndHintsThroughTheShortcuts) {
  game->ChooseMenuItem(0, 3, 1);  // Juego > Colores > 3
  ASSERT_TRUE(BoardIs(game->SettledCells(5), Uniform(5, kBlack), 5));
  Board model(5, 3);
  for (const int cell : {13, 1, 7}) {
    model.Press(static_cast<std::size_t>(cell - 1));
    game->ClickCellAndSettle(5, cell);
  }
  game->Desktop().Focus(main.id);
  for (int i = 0; i < 2; ++i) {
    game->Desktop().Key(XK_z, {XK_Control_L});
    model.Undo();
  }
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, Expected(model)), Expected(model), 5));
  game->Desktop().Key(XK_z, {XK_Control_L, XK_Shift_L});
  model.Redo();
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, Expected(model)), Expected(model), 5));
  game->Desktop().Key(XK_y, {XK_Control_L});
  model.Redo();
  ASSERT_TRUE(BoardIs(game->WaitForCells(5, Expected(model)), Expected(model), 5));

  const auto fewest = FewestPresses(5, 3, model.Steps());
  ASSERT_TRUE(fewest);
  const int expected = std::accumulate(fewest->begin(), fewest->end(), 0);
  int presses = 0;
  std::optional<TopLevel> message;
  std::vector<Rgb> before = game->CellColours(5);
  while (!message && presses <= expected) {
    game->Desktop().Key(XK_h, {XK_Control_L});
    game->Desktop().Key(XK_space);
    ++presses;
    // Each press changes the board, or brings up the win message; then the screen settles.
    WaitUntil(
        [&] {
          const auto windows = game->Desktop().MappedTopLevels();
          if (windows.size() > 1) message = windows.back();
          return message.has_value() || game->CellColours(5) != before;
        },
        kPatience);
    if (!message) before = game->SettledCells(5);
  }
  ASSERT_TRUE(message) << "no win message after " << presses << " presses";
  EXPECT_EQ(presses, expected);
  EXPECT_EQ(message->name, "Lucen");
  game->Desktop().Focus(message->id);
  game->Desktop().Key(XK_Return);
  ASSERT_TRUE(game->WaitUntilGone(message->id));
  EXPECT_TRUE(BoardIs(game->WaitForCells(5, Uniform(5, kBlack)), Uniform(5, kBlack), 5));
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
  const auto lit = game->ClickCellAndSettle(5, 13);
  EXPECT_TRUE(BoardIs(lit, Showing(5, 2, {13}), 5));

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
