#include "tests/e2e/support/game_test.h"

#include <sstream>

namespace lucen::e2e {

void GameTest::TearDown() {
  if (game == nullptr) return;
  if (HasFailure()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string picture = std::string(info->test_suite_name()) + "." + info->name() + ".png";
    try {
      game->SaveScreen(picture);
      std::cerr << "screen saved as " << picture << "\n";
    } catch (const std::exception& error) {
      std::cerr << "no screen picture: " << error.what() << "\n";
    }
    std::cerr << "the game's stderr:\n" << game->ErrorOutput() << "\n";
  }
  const std::string report = game->SanitizerReport();
  EXPECT_TRUE(report.empty()) << report;
  game.reset();
}

::testing::AssertionResult Shows(RunningGame& game, const Board& board) {
  std::vector<Rgb> expected(1);  // element 0 unused, as in CellColours
  for (std::size_t cell = 0; cell < board.CellCount(); ++cell) {
    expected.push_back(board.Colour(cell));
  }
  const std::vector<Rgb> seen = game.WaitForCells(board.Size(), expected);
  std::ostringstream wrong;
  for (std::size_t i = 1; i < expected.size(); ++i) {
    if (!(seen.at(i) == expected[i])) {
      wrong << "\n  cell " << i << ": " << seen[i] << ", expected " << expected[i];
    }
  }
  if (wrong.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the board differs:" << wrong.str();
}

::testing::AssertionResult Play(RunningGame& game, Board& board, int index) {
  board.Press(static_cast<std::size_t>(index - 1));
  game.ClickCell(board.Size(), index);
  return Shows(game, board) << " after a click on cell " << index;
}

::testing::AssertionResult AboutAloneAndAnswering(RunningGame& game, const TopLevel& about) {
  if (!game.SyncWithAboutWindow(about.frame)) {
    return ::testing::AssertionFailure() << "the about window does not answer";
  }
  const auto windows = game.Desktop().MappedTopLevels();
  if (windows.size() == 1 && windows[0].id == about.id) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << windows.size() << " windows shown, not the about alone";
}

::testing::AssertionResult ClickAboutAway(RunningGame& game, const TopLevel& about) {
  game.Desktop().Click(about.frame.x + 5, about.frame.y + 5);
  if (!game.WaitUntilGone(about.id)) return ::testing::AssertionFailure() << "the about stayed";
  if (!game.WaitForMainWindow()) return ::testing::AssertionFailure() << "no main window came";
  return ::testing::AssertionSuccess();
}

namespace {

// Each cell's centre black, and its one-pixel bevel light at its first pixel and dark at its last:
// exactly where the twips layout puts it.
::testing::AssertionResult CellsAtNow(RunningGame& game, int size) {
  const Rect client = game.ClientArea();
  const Snapshot shot = game.Desktop().Grab(client);
  const auto rects = CellPixelRects(size);
  struct Point {
    const char* what;
    int x, y;
    Rgb colour;
  };
  std::ostringstream wrong;
  for (std::size_t i = 1; i < rects.size(); ++i) {
    const int left = client.x + rects[i].x;
    const int top = client.y + rects[i].y;
    const int right = left + rects[i].width - 1;
    const int bottom = top + rects[i].height - 1;
    for (const Point& p : {Point{"centre", (left + right) / 2, (top + bottom) / 2, kBlack},
                           Point{"light bevel", left, top, Rgb{224, 224, 224}},
                           Point{"dark bevel", right, bottom, Rgb{64, 64, 64}}}) {
      if (!(shot.At(p.x, p.y) == p.colour)) {
        wrong << "\n  cell " << i << ", " << p.what << ": " << shot.At(p.x, p.y);
      }
    }
  }
  if (wrong.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "the " << size << "x" << size << " board is not where expected:" << wrong.str();
}

}  // namespace

::testing::AssertionResult CellsAt(RunningGame& game, int size) {
  WaitUntil([&] { return static_cast<bool>(CellsAtNow(game, size)); });
  return CellsAtNow(game, size);
}

}  // namespace lucen::e2e
