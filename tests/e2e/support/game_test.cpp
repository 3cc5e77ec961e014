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

std::vector<Rgb> Expected(const Board& board) {
  std::vector<Rgb> colours(1);
  for (std::size_t cell = 0; cell < board.CellCount(); ++cell)
    colours.push_back(board.Colour(cell));
  return colours;
}

std::vector<Rgb> Showing(int size, int colours, std::initializer_list<int> cells) {
  Board board(size, colours);
  for (int cell : cells) board.Press(static_cast<std::size_t>(cell - 1));
  return Expected(board);
}

std::vector<Rgb> Uniform(int size, Rgb colour) {
  return std::vector<Rgb>(static_cast<std::size_t>(size * size + 1), colour);
}

namespace {

char Letter(const Rgb& colour) {
  if (colour == kBlack) return 'K';
  if (colour == kYellow) return 'Y';
  if (colour == kLightRed) return 'R';
  if (colour == kLightGreen) return 'G';
  return '?';
}

// Readable board, for failure messages: one row per line.
std::string Describe(const std::vector<Rgb>& cells, int size) {
  std::ostringstream out;
  for (int i = 1; i < static_cast<int>(cells.size()); ++i) {
    out << Letter(cells[static_cast<std::size_t>(i)]) << (i % size == 0 ? "\n" : " ");
  }
  return out.str();
}

}  // namespace

::testing::AssertionResult BoardIs(const std::vector<Rgb>& seen, const std::vector<Rgb>& expected,
                                   int size) {
  if (seen.size() != expected.size()) {
    return ::testing::AssertionFailure()
           << "read " << seen.size() - 1 << " cells, expected " << expected.size() - 1;
  }
  std::ostringstream wrong;
  for (std::size_t i = 1; i < seen.size(); ++i) {
    if (!(seen[i] == expected[i])) {
      wrong << "  cell " << i << ": " << seen[i] << ", expected " << expected[i] << "\n";
    }
  }
  if (wrong.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "\n"
         << wrong.str() << "seen (K black, Y yellow, R red, G green):\n"
         << Describe(seen, size) << "expected:\n"
         << Describe(expected, size);
}

::testing::AssertionResult Shows(GameSession& game, int size, const std::vector<Rgb>& expected) {
  return BoardIs(game.WaitForCells(size, expected), expected, size);
}

::testing::AssertionResult Shows(GameSession& game, const Board& board) {
  return Shows(game, board.Size(), Expected(board));
}

::testing::AssertionResult Play(GameSession& game, Board& board, int index) {
  board.Press(static_cast<std::size_t>(index - 1));
  game.ClickCell(board.Size(), index);
  return Shows(game, board) << " after a click on cell " << index;
}

::testing::AssertionResult AboutAloneAndAnswering(GameSession& game, const TopLevel& about) {
  if (!game.SyncWithAboutWindow(about.frame)) {
    return ::testing::AssertionFailure() << "the about window does not answer";
  }
  const auto windows = game.Desktop().MappedTopLevels();
  if (windows.size() == 1 && windows[0].id == about.id) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << windows.size() << " windows shown, not the about alone";
}

::testing::AssertionResult ClickAboutAway(GameSession& game, const TopLevel& about) {
  game.Desktop().Click(about.frame.x + 5, about.frame.y + 5);
  if (!game.WaitUntilGone(about.id)) return ::testing::AssertionFailure() << "the about stayed";
  if (!game.WaitForMainWindow()) return ::testing::AssertionFailure() << "no main window came";
  return ::testing::AssertionSuccess();
}

namespace {

::testing::AssertionResult CellsAtNow(GameSession& game, int size) {
  const Rect client = game.ClientArea();
  const Snapshot shot = game.Desktop().Grab(client);
  const auto rects = CellRects(size);
  const Rgb light{224, 224, 224};
  const Rgb dark{64, 64, 64};
  std::ostringstream wrong;
  const auto expect = [&](int x, int y, bool matches, const std::string& what) {
    if (!matches) {
      wrong << "  " << what << " at client (" << x - client.x << ", " << y - client.y
            << "): " << shot.At(x, y) << "\n";
    }
  };
  for (int i = 1; i <= size * size; ++i) {
    const Rect cell = rects[static_cast<std::size_t>(i)];
    const int left = client.x + cell.x;
    const int top = client.y + cell.y;
    const int right = left + cell.width - 1;
    const int bottom = top + cell.height - 1;
    const std::string name = "cell " + std::to_string(i);
    expect(left + cell.width / 2, top + cell.height / 2,
           shot.At(left + cell.width / 2, top + cell.height / 2) == kBlack, name + " centre");
    expect(left, top, shot.At(left, top) == light, name + " top-left bevel");
    expect(right, bottom, shot.At(right, bottom) == dark, name + " bottom-right bevel");
    expect(left + 1, top + 1, shot.At(left + 1, top + 1) == kBlack, name + " face corner");
    expect(right - 1, bottom - 1, shot.At(right - 1, bottom - 1) == kBlack, name + " face corner");
  }
  const Rect first = rects[1];
  const Rect last = rects.back();
  const auto background = [&](int x, int y) {
    const Rgb p = shot.At(x, y);
    return !(p == kBlack) && !(p == light) && !(p == dark);
  };
  const int x0 = client.x + first.x - 1;
  const int y0 = client.y + first.y - 1;
  expect(x0, client.y + first.y + 2, background(x0, client.y + first.y + 2),
         "background left of the board");
  expect(client.x + first.x + 2, y0, background(client.x + first.x + 2, y0),
         "background above the board");
  const int x1 = client.x + last.Right();
  const int y1 = client.y + last.Bottom();
  expect(x1, y1 - 3, background(x1, y1 - 3), "background right of the board");
  expect(x1 - 3, y1, background(x1 - 3, y1), "background below the board");
  if (wrong.str().empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "the " << size << "x" << size << " board is not where expected:\n"
         << wrong.str();
}

}  // namespace

::testing::AssertionResult CellsAt(GameSession& game, int size) {
  WaitUntil([&] { return static_cast<bool>(CellsAtNow(game, size)); });
  return CellsAtNow(game, size);
}

}  // namespace lucen::e2e
