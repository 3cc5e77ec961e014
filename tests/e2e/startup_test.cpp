// Start-up on a real X server: the about window first and alone, then, once a key that types a
// character has closed it, the main window.
#include "secondary_windows/about_design.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "desktop/program_identity.h"
#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using StartUpTest = GameTest;

TEST_F(StartUpTest, TheAboutWindowComesFirstAloneAndFramedInWhite) {
  // Whatever is mapped first must be the about window, and nothing else with it.
  const Window first = game->Desktop().NextMapped(game->Process().Pid(), None,
                                                  [&] { return !game->Process().Running(); });
  ASSERT_NE(first, static_cast<Window>(None)) << "the game mapped no window";
  const auto windows = game->Desktop().MappedTopLevels();
  ASSERT_EQ(windows.size(), 1u);
  ASSERT_EQ(windows[0].id, first);
  const QRect about = windows[0].frame;
  EXPECT_EQ(about.size(), AboutSize());

  // Black with a one-pixel white frame.
  const Rgb white{255, 255, 255};
  ASSERT_TRUE(WaitUntil([&] { return game->Desktop().Grab(about).At(about.topLeft()) == white; }));
  const Snapshot shot = game->Desktop().Grab(about);
  for (int x = about.left(); x <= about.right(); x += 7) {
    EXPECT_EQ(shot.At({x, about.top()}), white) << "top edge at x " << x;
    EXPECT_EQ(shot.At({x, about.bottom()}), white) << "bottom edge at x " << x;
  }
  // The notice is wider than the window and its last letters may run over the right edge; the
  // rest of that edge is white.
  const QRect notice = TwipsToPixels(kNoticePlace).translated(about.topLeft());
  for (int y = about.top(); y <= about.bottom(); y += 7) {
    EXPECT_EQ(shot.At({about.left(), y}), white) << "left edge at y " << y;
    if (y >= notice.top() && y <= notice.bottom()) continue;
    EXPECT_EQ(shot.At({about.right(), y}), white) << "right edge at y " << y;
  }
  EXPECT_EQ(shot.At(about.topLeft() + QPoint(1, 1)), kBlack);
  EXPECT_EQ(shot.At(about.bottomRight() - QPoint(1, 1)), kBlack);
  EXPECT_EQ(shot.At(about.topLeft() + QPoint(5, 200)), kBlack);

  // It stays the only window while the player has not closed it.
  EXPECT_TRUE(AboutAloneAndAnswering(*game, windows[0]));
}

// On a real X server only a key that types a character closes the about window: Shift, the
// arrows, a function key and Control do not.
TEST_F(StartUpTest, OnlyAKeyThatTypesACharacterClosesTheAboutWindow) {
  const auto about = game->WaitForAbout();
  ASSERT_TRUE(about);
  game->Desktop().MovePointer(about->frame.topLeft() + QPoint(5, 5));
  game->Desktop().Focus(about->id);
  for (const KeySym key : {XK_Shift_L, XK_Right, XK_Down, XK_F2, XK_Control_L}) {
    game->Desktop().Key(key);
    // Once the window has answered a later event, it has seen the key too.
    ASSERT_TRUE(AboutAloneAndAnswering(*game, *about)) << "after keysym " << key;
  }
  game->Desktop().Key(XK_a);
  EXPECT_TRUE(game->WaitUntilGone(about->id));
}

TEST_F(StartUpTest, TheMainWindowFollowsWithItsTitleAndClientArea) {
  const TopLevel main = game->PassAboutWindow();

  for (const char* name : {"WM_NAME", "_NET_WM_NAME"}) {
    EXPECT_EQ(game->Desktop().Property(main.id, name), MainWindowCaption().toStdString()) << name;
  }
  const auto windows = game->Desktop().MappedTopLevels();
  ASSERT_EQ(windows.size(), 1u) << "the about window should be gone";
  EXPECT_EQ(windows[0].id, main.id);

  // The client area's width, under the menu bar, which takes the rest of the height.
  EXPECT_EQ(game->Desktop().Frame(main.id).width(), ClientSize().width());
  EXPECT_GE(game->MenuBarHeight(), 12);
  EXPECT_LE(game->MenuBarHeight(), 40);
}

}  // namespace
}  // namespace lucen::e2e
