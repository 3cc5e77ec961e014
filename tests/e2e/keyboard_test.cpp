// Playing with the keyboard alone, the shortcuts of undo and redo, and the game on a screen of
// twice the pixel density.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using KeyboardTest = PastTheAboutWindowTest;

// The focus starts on cell 1; the arrows walk the grid (and stop at its edges: Up and Left do
// nothing here); Space plays. Every edge is keyboard_access_test's.
TEST_F(KeyboardTest, ArrowsAndSpacePlayWithoutAMouse) {
  game->Desktop().Focus(main.id);
  ASSERT_TRUE(Shows(*game, Board(5, 2)));
  game->Desktop().Key(XK_space);
  ASSERT_TRUE(Shows(*game, After(5, 2, {1})));
  for (unsigned long key : {XK_Up, XK_Left, XK_Down, XK_Down, XK_Right, XK_Right}) {
    game->Desktop().Key(key);
  }
  game->Desktop().Key(XK_space);
  EXPECT_TRUE(Shows(*game, After(5, 2, {1, 13})));
}

// Under three colours: Ctrl+Z takes a move back, Ctrl+Shift+Z and Ctrl+Y play it again.
TEST_F(KeyboardTest, UndoAndRedoThroughTheShortcuts) {
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
  EXPECT_TRUE(Shows(*game, model));
}

class DoubleDensityTest : public PastTheAboutWindowTest {
 protected:
  GameOptions Options() const override {
    GameOptions options;
    options.scale = 2;
    return options;
  }
};

// At two device pixels per pixel the windows are twice the size, each cell's centre shows its
// exact colour where the layout puts it, and a move works as ever. (The widget test sees any gap
// between the cells in device pixels.)
TEST_F(DoubleDensityTest, TheGameScalesWhole) {
  EXPECT_EQ(main.frame.width(), 2 * ClientSize().width());
  EXPECT_GT(game->MenuBarHeight(), 0);
  Board model(5, 2);
  ASSERT_TRUE(Shows(*game, model));
  EXPECT_TRUE(Play(*game, model, 13));
}

}  // namespace
}  // namespace lucen::e2e
