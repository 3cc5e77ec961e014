// Start-up on a real X server: the about window first and alone, closed only by a key that types
// a character, then the main window.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using StartUpTest = GameTest;

bool IsAbout(const TopLevel& window) {
  return window.frame.width == kAboutWidth && window.frame.height == kAboutHeight;
}

TEST_F(StartUpTest, TheAboutWindowComesFirstAloneAndFramedInWhite) {
  // Whatever is mapped first must be the about window, and nothing else with it.
  std::vector<TopLevel> first;
  ASSERT_TRUE(WaitUntil(
      [&] {
        first = game->Desktop().MappedTopLevels();
        return !first.empty();
      },
      kPatience, std::chrono::milliseconds(2)));
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].frame.width, kAboutWidth);
  EXPECT_EQ(first[0].frame.height, kAboutHeight);

  // Black with a one-pixel white frame.
  const Rect about = first[0].frame;
  ASSERT_TRUE(WaitUntil(
      [&] {
        return game->Desktop().PixelAt(about.x, about.y) == Rgb{255, 255, 255};
      },
      kPatience));
  const Snapshot shot = game->Desktop().Grab(about);
  for (int x = about.x; x < about.Right(); x += 7) {
    EXPECT_EQ(shot.At(x, about.y), (Rgb{255, 255, 255})) << "top edge at x " << x;
    EXPECT_EQ(shot.At(x, about.Bottom() - 1), (Rgb{255, 255, 255})) << "bottom edge at x " << x;
  }
  // The notice (twips 4980 to 5985 down) is wider than the window and its last letters may
  // run over the right edge; the rest of that edge is white.
  const auto underNotice = [&](int y) { return y >= about.y + 332 && y < about.y + 399; };
  for (int y = about.y; y < about.Bottom(); y += 7) {
    EXPECT_EQ(shot.At(about.x, y), (Rgb{255, 255, 255})) << "left edge at y " << y;
    if (underNotice(y)) continue;
    EXPECT_EQ(shot.At(about.Right() - 1, y), (Rgb{255, 255, 255})) << "right edge at y " << y;
  }
  EXPECT_EQ(shot.At(about.x + 1, about.y + 1), kBlack);
  EXPECT_EQ(shot.At(about.Right() - 2, about.Bottom() - 2), kBlack);
  EXPECT_EQ(shot.At(about.x + 5, about.y + 200), kBlack);

  // It stays the only window while the player has not closed it.
  ASSERT_TRUE(game->SyncWithAboutWindow(about));
  EXPECT_EQ(game->Desktop().MappedTopLevels().size(), 1u);
}

TEST_F(StartUpTest, OnlyAKeyThatTypesACharacterClosesTheAboutWindow) {
  const auto about = game->WaitForWindow(IsAbout);
  ASSERT_TRUE(about);
  game->Desktop().MovePointer(about->frame.x + 5, about->frame.y + 5);
  game->Desktop().Focus(about->id);

  for (const KeySym key : {XK_Shift_L, XK_Right, XK_Down, XK_F2, XK_Control_L}) {
    game->Desktop().Key(key);
    // Once the window has answered a later event, it has seen the key too.
    ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
    const auto windows = game->Desktop().MappedTopLevels();
    ASSERT_EQ(windows.size(), 1u) << "after keysym " << key;
    EXPECT_EQ(windows[0].id, about->id) << "after keysym " << key;
  }

  game->Desktop().Focus(about->id);
  game->Desktop().Key(XK_a);
  EXPECT_TRUE(game->WaitUntilGone(about->id));
  EXPECT_TRUE(game->WaitForMainWindow());
}

TEST_F(StartUpTest, AClickOnTheBackgroundClosesTheAboutWindow) {
  const auto about = game->WaitForWindow(IsAbout);
  ASSERT_TRUE(about);
  game->Desktop().Click(about->frame.x + 5, about->frame.y + 5);
  EXPECT_TRUE(game->WaitUntilGone(about->id));
  EXPECT_TRUE(game->WaitForMainWindow());
}

TEST_F(StartUpTest, TheMainWindowFollowsWithItsTitleAndClientArea) {
  const TopLevel main = game->PassAboutWindow();

  EXPECT_EQ(game->Desktop().WmName(main.id), "Lucen 2.0");
  EXPECT_EQ(game->Desktop().NetWmName(main.id), "Lucen 2.0");
  const auto windows = game->Desktop().MappedTopLevels();
  ASSERT_EQ(windows.size(), 1u) << "the about window should be gone";
  EXPECT_EQ(windows[0].id, main.id);

  // The client area is 268 x 267 under the menu bar, which takes the rest of the height.
  const Rect frame = game->Desktop().Frame(main.id);
  EXPECT_EQ(frame.width, kClientWidth);
  const int menuBar = frame.height - kClientHeight;
  EXPECT_GE(menuBar, 12);
  EXPECT_LE(menuBar, 40);

  // Two menu titles on the bar, "Juego" and "Ayuda", left to right.
  const auto titles = game->MenuTitles();
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_LT(titles[0].first, titles[1].first);
  EXPECT_LT(titles[0].first - frame.x, frame.width / 2);
}

}  // namespace
}  // namespace lucen::e2e
