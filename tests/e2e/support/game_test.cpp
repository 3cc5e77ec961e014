#include "tests/e2e/support/game_test.h"

#include <functional>
#include <sstream>

namespace lucen::e2e {

void GameTest::TearDown() {
  if (game == nullptr) return;
  if (HasFailure()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string picture = std::string(info->test_suite_name()) + "." + info->name() + ".png";
    try {
      game->Desktop().Grab(XvfbServer::kScreen).image.save(QString::fromStdString(picture));
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

namespace {

// Waits until `check` finds nothing wrong with the main window's client area, read from the
// screen; `what` names the failure, followed by what `check` found last.
::testing::AssertionResult Eventually(
    RunningGame& game, const std::string& what,
    const std::function<void(const QRect&, const Snapshot&, std::ostream&)>& check) {
  std::ostringstream wrong;
  WaitUntil([&] {
    const QRect client = game.ClientArea();
    wrong.str("");
    check(client, game.Desktop().Grab(client), wrong);
    return wrong.str().empty();
  });
  if (wrong.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << what << wrong.str();
}

}  // namespace

::testing::AssertionResult Shows(RunningGame& game, const Board& board) {
  return Eventually(
      game,
      "the board differs:", [&](const QRect& client, const Snapshot& shot, std::ostream& wrong) {
        for (std::size_t i = 0; i < board.CellCount(); ++i) {
          const int cell = static_cast<int>(i) + 1;
          const Rgb seen = shot.At(game.CellPlace(client, board.Size(), cell).center());
          if (!(seen == board.Colour(i))) {
            wrong << "\n  cell " << cell << ": " << seen << ", expected " << board.Colour(i);
          }
        }
      });
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
  game.Desktop().Click(about.frame.topLeft() + QPoint(5, 5));
  if (!game.WaitUntilGone(about.id)) return ::testing::AssertionFailure() << "the about stayed";
  if (!game.WaitForMainWindow()) return ::testing::AssertionFailure() << "no main window came";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CellsAt(RunningGame& game, int size) {
  const std::string what =
      "the " + std::to_string(size) + "x" + std::to_string(size) + " board is not where expected:";
  return Eventually(
      game, what, [&](const QRect& client, const Snapshot& shot, std::ostream& wrong) {
        // Each cell's centre black, and its one-pixel bevel light at its first pixel and dark at
        // its last.
        struct Point {
          const char* what;
          QPoint at;
          Rgb colour;
        };
        for (int i = 1; i <= size * size; ++i) {
          const QRect cell = game.CellPlace(client, size, i);
          for (const Point& p : {Point{"centre", cell.center(), kBlack},
                                 Point{"light bevel", cell.topLeft(), Rgb{224, 224, 224}},
                                 Point{"dark bevel", cell.bottomRight(), Rgb{64, 64, 64}}}) {
            if (!(shot.At(p.at) == p.colour))
              wrong << "\n  cell " << i << ", " << p.what << ": " << shot.At(p.at);
          }
        }
      });
}

}  // namespace lucen::e2e
