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
  ASSERT_TRUE(Shows(*game, 5, Uniform(5, kBlack)));

  game->Desktop().Key(XK_space);
  ASSERT_TRUE(Shows(*game, 5, Showing(5, 2, {1})));

  // Up and Left stop at the corner; then to cell 13 and play it.
  for (unsigned long key : {XK_Up, XK_Left, XK_Down, XK_Down, XK_Right, XK_Right}) {
    game->Desktop().Key(key);
  }
  game->Desktop().Key(XK_space);
  ASSERT_TRUE(Shows(*game, 5, Showing(5, 2, {1, 13})));

  // Right from the last column stays in the row, Down from the last row stays on the board.
  for (int i = 0; i < 6; ++i) game->Desktop().Key(XK_Right);
  for (int i = 0; i < 6; ++i) game->Desktop().Key(XK_Down);
  game->Desktop().Key(XK_space);
  EXPECT_TRUE(Shows(*game, 5, Showing(5, 2, {1, 13, 25})));
}

// The fewest presses the solver finds from `board`.
int FewestFrom(const Board& board) {
  const auto presses = FewestPresses(board.Size(), board.ColourCount(), board.Steps());
  return presses ? std::accumulate(presses->begin(), presses->end(), 0) : -1;
}

// Under three colours: Ctrl+Z takes a move back, Ctrl+Shift+Z and Ctrl+Y play it again, and
// Ctrl+H then Space, over and over, wins in the fewest presses.
TEST_F(KeyboardTest, UndoRedoAndHintsThroughTheShortcuts) {
  game->ChooseMenuItem(0, 3, 1);  // Juego > Colores > 3
  Board model(5, 3);
  ASSERT_TRUE(Shows(*game, model));
  for (const int cell : {13, 1, 7}) ASSERT_TRUE(Play(*game, model, cell));
  game->Desktop().Focus(main.id);
  for (int i = 0; i < 2; ++i) {
    game->Desktop().Key(XK_z, {XK_Control_L});
    model.Undo();
  }
  ASSERT_TRUE(Shows(*game, model));
  game->Desktop().Key(XK_z, {XK_Control_L, XK_Shift_L});
  model.Redo();
  ASSERT_TRUE(Shows(*game, model));
  game->Desktop().Key(XK_y, {XK_Control_L});
  model.Redo();
  ASSERT_TRUE(Shows(*game, model));

  // Each hint played shows the board one press of some cell further, and that press leaves one
  // press fewer to go; the last one brings up the win message.
  const int fewest = FewestFrom(model);
  int presses = 0;
  std::optional<TopLevel> message;
  while (!message && presses < fewest) {
    game->Desktop().Key(XK_h, {XK_Control_L});
    game->Desktop().Key(XK_space);
    ++presses;
    std::optional<Board> next;
    ASSERT_TRUE(WaitUntil([&] {
      const auto windows = game->Desktop().MappedTopLevels();
      if (windows.size() > 1) message = windows.back();
      const std::vector<Rgb> seen = game->CellColours(5);
      for (std::size_t cell = 0; cell < model.CellCount() && !next; ++cell) {
        Board pressed = model;
        pressed.Press(cell);
        if (seen == Expected(pressed)) next = pressed;
      }
      return message || next;
    })) << "hint "
        << presses << " played no move";
    if (!next) continue;  // the win message came first
    model = *next;
    EXPECT_EQ(FewestFrom(model), fewest - presses) << "hint " << presses << " is off the fewest";
  }
  if (!message) message = game->WaitForWindow([&](const TopLevel& w) { return w.id != main.id; });
  ASSERT_TRUE(message) << "no win message after " << presses << " presses";
  EXPECT_EQ(presses, fewest);
  EXPECT_EQ(message->name, "Lucen");
  game->Desktop().Focus(message->id);
  game->Desktop().Key(XK_Return);
  ASSERT_TRUE(game->WaitUntilGone(message->id));
  EXPECT_TRUE(Shows(*game, 5, Uniform(5, kBlack)));
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
  EXPECT_EQ(main.frame.width, 2 * ClientSize().width());
  EXPECT_GT(game->MenuBarHeight(), 0);
  Board model(5, 2);
  ASSERT_TRUE(Shows(*game, model));
  ASSERT_TRUE(Play(*game, model, 13));

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
