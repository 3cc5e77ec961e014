// The menus, driven as a player does: a click opens "Juego" or "Ayuda" on the menu bar, then the
// arrow keys and Enter choose inside the open menu.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "desktop/centring.h"
#include "desktop/twips.h"
#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

constexpr int kGame = 0;  // "Juego": Reset, (separator), Tamaño >, Colores >, ...
constexpr int kHelp = 1;  // "Ayuda": Como Jugar, Acerca de...
constexpr int kReset = 1;
constexpr int kSizes = 2;
constexpr int kColours = 3;
constexpr int kAbout = 2;

using MenuTest = PastTheAboutWindowTest;

void ChooseSize(RunningGame& game, int size) {
  game.ChooseMenuItem(kGame, kSizes, size - 5);
}
void ChooseColours(RunningGame& game, int count) {
  game.ChooseMenuItem(kGame, kColours, count - 2);
}

// Each size rebuilds the board black, every cell at its place, and puts the window in the middle
// of the 12000 x 9000 twips area at the screen's origin (the private server's screen holds it).
TEST_F(MenuTest, SizesRebuildTheBoardBlackAndCentreTheWindow) {
  Board five(5, 2);
  ASSERT_TRUE(Play(*game, five, 13));
  const QRect area = TwipsToPixels({0, 0, 12000, 9000});
  for (const int size : {7, 9, 6, 8, 5}) {
    ChooseSize(*game, size);
    EXPECT_TRUE(CellsAt(*game, size));
    const QRect frame = game->Desktop().Frame(main.id);
    EXPECT_EQ(frame.topLeft(), CentredTopLeft(frame.size(), area));
    if (size != 7) continue;
    Board seven(7, 2);
    ASSERT_TRUE(Play(*game, seven, 28));  // an edge cell, whose group must not wrap
  }
}

// A colour choice resets the board, and the count carries over to a new size.
TEST_F(MenuTest, AColourChoiceResetsTheBoardAndCarriesOverToANewSize) {
  Board before(5, 2);
  ASSERT_TRUE(Play(*game, before, 7));
  ChooseColours(*game, 4);
  Board model(5, 4);
  ASSERT_TRUE(Shows(*game, model)) << "the colour choice should reset the board";
  ChooseSize(*game, 7);
  ASSERT_TRUE(CellsAt(*game, 7));
  model = Board(7, 4);
  for (int press = 0; press < 4; ++press) ASSERT_TRUE(Play(*game, model, 1));
}

TEST_F(MenuTest, ResetTurnsTheBoardBlack) {
  Board model(5, 2);
  ASSERT_TRUE(Play(*game, model, 1));
  ASSERT_TRUE(Play(*game, model, 13));
  game->ChooseMenuItem(kGame, kReset);
  EXPECT_TRUE(Shows(*game, Board(5, 2)));
}

// "Acerca de..." opens the about window again, and a key closes it; play goes on. (Behind it the
// board takes no move, which help_commands_test checks for every path to a move, and a close
// request is dropped, which the board test checks behind the win message.)
TEST_F(MenuTest, AboutFromTheHelpMenuGoesWithAKey) {
  game->ChooseMenuItem(kHelp, kAbout);
  const auto about = game->WaitForAbout();
  ASSERT_TRUE(about);
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
  game->Desktop().Focus(about->id);
  game->Desktop().Key(XK_space);
  ASSERT_TRUE(game->WaitUntilGone(about->id));
  Board model(5, 2);
  EXPECT_TRUE(Play(*game, model, 11));
}

}  // namespace
}  // namespace lucen::e2e
