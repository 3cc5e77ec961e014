// A numbered game on a real X server, won by following the hints and read as a screen reader
// reads it; the next run of the game shows it in the records as played and not won, since the
// hints made it practice. A game killed in the middle comes back at the next start.
#include <X11/keysym.h>

#include <csignal>
#include <regex>

#include "board/game_code.h"
#include "player_files/player_paths.h"
#include "tests/e2e/support/game_test.h"
#include "tests/e2e/support/screen_reader.h"

namespace lucen::e2e {
namespace {

TEST_F(ScreenReaderTest, AGameWonWithHintsIsPlayedButNotWon) {
  GameOptions options = OnDesktop("es_ES.UTF-8");
  options.playerFiles = folder_.path();
  // A player who told the game not to ask before a hint that costs the score.
  QDir().mkpath(folder_.filePath("XDG_CONFIG_HOME/lucen"));
  QFile ini(folder_.filePath("XDG_CONFIG_HOME/lucen/lucen.ini"));
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly) && ini.write("[General]\naskBeforeHint=false\n") > 0);
  ini.close();
  {
    RunningGame game(options);
    const TopLevel main = game.PassAboutWindow();
    const std::vector<Node> cells = BoardCells(WaitForWindow(game, ATSPI_ROLE_FRAME));
    ASSERT_EQ(cells.size(), 25u);
    game.Desktop().Focus(main.id);
    game.Desktop().Key(XK_n, {XK_Control_L});
    const std::vector<std::string> black = Described(Board(5, 2));
    std::vector<std::string> seen;
    ASSERT_TRUE(WaitUntil([&] { return (seen = Descriptions(cells)) != black; })) << "no game";
    // The first hint only tells how many presses remain; each one after it, played, changes the
    // board, and the last one leaves it all light green.
    game.Desktop().Key(XK_h, {XK_Control_L});
    Board solved(5, 2);
    solved.Start(std::vector<int>(25, 1));
    for (int presses = 0; seen != Described(solved) && presses <= 3 * 5; ++presses) {
      const std::vector<std::string> before = seen;
      game.Desktop().Key(XK_h, {XK_Control_L});
      game.Desktop().Key(XK_space);
      ASSERT_TRUE(WaitUntil([&] { return (seen = Descriptions(cells)) != before; }));
    }
    ASSERT_EQ(seen, Described(solved)) << "no win in 3N + 1 presses";

    const Node message = WaitForWindow(game, ATSPI_ROLE_ALERT);
    ASSERT_TRUE(message) << "no win message on the accessibility bus";
    std::string text;  // the icon's label says nothing
    for (const std::string& name : Names(All(message, ATSPI_ROLE_LABEL))) text += name;
    std::smatch line;
    const std::regex win(
        "Lo lograste!!\nPartida (5x5-2-[0-9]+): ([0-9]+) pulsaciones \\(mínimo "
        "([0-9]+)\\), práctica");
    ASSERT_TRUE(std::regex_match(text, line, win)) << text;
    const GameId id = std::get<GameId>(ReadGameCode(line[1].str()));
    EXPECT_EQ(line[2], line[3]) << "the hints win in the fewest presses";
    EXPECT_EQ(std::stoi(line[3]), MakeGame(id).fewest);

    const auto box = game.WaitForWindow([&](const TopLevel& w) { return w.id != main.id; });
    ASSERT_TRUE(box);
    game.Desktop().Focus(box->id);
    game.Desktop().Key(XK_Return);
    ASSERT_TRUE(WaitUntil([&] { return Descriptions(cells) == black; }));
    ASSERT_TRUE(game.Desktop().RequestClose(main.id));
    const auto status = game.Process().WaitFor();
    ASSERT_TRUE(status && status->exited && status->code == 0) << "no clean end on a close";
    EXPECT_EQ(game.SanitizerReport(), "");
  }

  RunningGame again(options);
  again.PassAboutWindow();
  again.ChooseMenuItem(0, 8);  // Juego > Récords
  const Node records = WaitForWindow(again, ATSPI_ROLE_DIALOG, "Récords");
  ASSERT_TRUE(records) << "no records window on the accessibility bus";
  const std::vector<std::string> labels = Names(All(records, ATSPI_ROLE_LABEL));
  const std::vector<std::string> counts{"Jugadas:", "1", "Ganadas:", "0"};
  EXPECT_NE(std::search(labels.begin(), labels.end(), counts.begin(), counts.end()), labels.end())
      << "no 5x5 game played and none won";
  const auto window = again.WaitForWindow([](const TopLevel& w) { return w.name == "Récords"; });
  ASSERT_TRUE(window);
  again.Desktop().Focus(window->id);
  again.Desktop().Key(XK_Escape);
  EXPECT_TRUE(again.WaitUntilGone(window->id));
  EXPECT_EQ(again.SanitizerReport(), "");
}

// lucen --game CODE starts with that game, of its own size and colours, once the about window
// is closed.
TEST(CommandLineGame, StartsWithTheGameItNames) {
  GameOptions options;
  options.arguments = {"--game", "6x6-3-42"};
  RunningGame game(options);
  game.PassAboutWindow();
  Board start(6, 3);
  start.Start(MakeGame({6, 3, 42}).start);
  EXPECT_TRUE(Shows(game, start));
}

// A numbered game killed in the middle comes back where it was, once the about window is closed.
TEST(GameInPlay, ComesBackAfterTheGameIsKilled) {
  const testing::PrivateFolders player;  // where SavedGamePath() looks too
  GameOptions options;
  options.playerFiles = player.path();
  options.arguments = {"--game", "6x6-3-42"};
  Board board(6, 3);
  board.Start(MakeGame({6, 3, 42}).start);
  {
    RunningGame game(options);
    game.PassAboutWindow();
    for (int cell : {1, 8, 36}) ASSERT_TRUE(Play(game, board, cell));
    // The game in play goes to disk off the window's thread, just after each press.
    const std::string saved = SavedGamePath().toStdString();
    ASSERT_TRUE(WaitUntil([&] { return ReadFile(saved).find("35") != std::string::npos; }));
    ::kill(game.Process().Pid(), SIGKILL);
    const auto status = game.Process().WaitFor();
    ASSERT_TRUE(status && status->signal == SIGKILL);
  }
  options.arguments.clear();
  RunningGame again(options);
  again.PassAboutWindow();
  EXPECT_TRUE(Shows(again, board));
  EXPECT_EQ(again.SanitizerReport(), "");
}

}  // namespace
}  // namespace lucen::e2e
