// The game as a screen reader finds it: its accessibility tree read over AT-SPI from outside the
// process, on a private session bus that starts the accessibility bus and registry on demand.
#include <set>

#include "tests/e2e/support/screen_reader.h"

namespace lucen::e2e {
namespace {

// The names of the menu bar's titles, as a screen reader reads them.
std::vector<std::string> MenuTitles(const Node& frame) {
  std::vector<std::string> titles;
  for (const Node& bar : All(frame, ATSPI_ROLE_MENU_BAR)) titles = Names(Children(bar));
  return titles;
}

TEST_F(ScreenReaderTest, ReadsTheLinksTheCellsAMoveAndTheMenus) {
  RunningGame game(OnDesktop("es_ES.UTF-8"));
  const Node about = WaitForWindow(game, ATSPI_ROLE_DIALOG);
  ASSERT_TRUE(about) << "no about window on the accessibility bus";
  // The addresses are links whose action opens them as a click does.
  const std::vector<Node> links = All(about, ATSPI_ROLE_LINK);
  ASSERT_EQ(Readings(links),
            (std::vector<std::string>{"link info@quindral.example", "link www.quindral.example"}));
  for (const Node& link : links) {
    EXPECT_EQ(ActionNames(link), std::vector<std::string>{"Press"});
    DoFirstAction(link);
  }
  std::set<std::vector<std::string>> opened;
  for (const OpenerCall& call : game.WaitForOpenerCalls(2)) opened.insert(call.arguments);
  EXPECT_EQ(opened, (std::set<std::vector<std::string>>{{"mailto:info@quindral.example"},
                                                        {"http://www.quindral.example"}}));

  game.PassAboutWindow();
  const Node frame = WaitForWindow(game, ATSPI_ROLE_FRAME);
  ASSERT_TRUE(frame) << "no main window on the accessibility bus";
  // The board area holds the 25 cells and nothing else: no covered template, no hidden control.
  const std::vector<Node> board = BoardCells(frame);
  std::vector<std::string> cells;
  for (int i = 1; i <= 25; ++i) cells.push_back("push button Celda " + std::to_string(i));
  ASSERT_EQ(Readings(board), cells);
  EXPECT_EQ(Descriptions(board), Described(Board(5, 2)));

  DoFirstAction(board[12]);
  const std::vector<std::string> expected = Described(After(5, 2, {13}));
  std::vector<std::string> seen;
  WaitUntil([&] { return (seen = Descriptions(board)) == expected; });
  EXPECT_EQ(seen, expected);

  EXPECT_EQ(MenuTitles(frame), (std::vector<std::string>{"Juego", "Ayuda"}));
  EXPECT_EQ(game.SanitizerReport(), "");
}

// On an English desktop a screen reader hears the menus in English.
TEST_F(ScreenReaderTest, ReadsTheMenusInEnglishOnAnEnglishDesktop) {
  RunningGame game(OnDesktop("en_US.UTF-8"));
  game.PassAboutWindow();
  const Node frame = WaitForWindow(game, ATSPI_ROLE_FRAME);
  ASSERT_TRUE(frame) << "no main window on the accessibility bus";
  EXPECT_EQ(MenuTitles(frame), (std::vector<std::string>{"Game", "Help"}));
}

}  // namespace
}  // namespace lucen::e2e
