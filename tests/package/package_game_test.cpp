// The start of a game from the unpacked Debian package, on a private X server with no window
// manager: the about window, a key that closes it, the main window with the class the desktop
// entry names, the instructions found beside the game through the command's link, and a clean
// exit when the main window is asked to close.
//   LUCEN_PACKAGED_GAME=ROOT/usr/games/lucen LUCEN_WM_CLASS=CLASS package_game_test
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

std::string Given(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

TEST(PackagedGame, StartsPlaysOpensItsInstructionsAndEnds) {
  const std::filesystem::path command = Given("LUCEN_PACKAGED_GAME");
  ASSERT_TRUE(std::filesystem::exists(command)) << "LUCEN_PACKAGED_GAME: " << command;
  GameOptions options;
  options.executable = command;
  RunningGame game(options);

  const Window first = game.Desktop().NextMapped(game.Process().Pid(), None,
                                                 [&] { return !game.Process().Running(); });
  ASSERT_NE(first, static_cast<Window>(None)) << "the game mapped no window\n"
                                              << game.ErrorOutput();
  EXPECT_EQ(game.Desktop().Frame(first).size(), AboutSize());

  const TopLevel main = game.PassAboutWindow();
  const auto windows = game.Desktop().MappedTopLevels();
  ASSERT_EQ(windows.size(), 1u) << "the about window is still shown";
  EXPECT_EQ(main.frame.width(), ClientSize().width());
  EXPECT_GT(main.frame.height(), ClientSize().height());
  // Docks match the window to the desktop entry by its class, the second of WM_CLASS's two
  // strings.
  const QByteArray wmClass =
      QByteArray::fromStdString(game.Desktop().Property(main.id, "WM_CLASS"));
  EXPECT_EQ(wmClass.split('\0').value(1).toStdString(), Given("LUCEN_WM_CLASS"));

  game.ChooseMenuItem(1, 1);  // Ayuda > Como Jugar
  const auto calls = game.WaitForOpenerCalls(1);
  ASSERT_EQ(calls.size(), 1u) << "Como Jugar asked the desktop to open nothing";
  ASSERT_EQ(calls[0].arguments.size(), 1u);
  const auto beside = std::filesystem::canonical(command).parent_path() / "Instrucciones.htm";
  EXPECT_EQ(LocalPath(calls[0].arguments[0]), beside.string());

  ASSERT_TRUE(game.Desktop().RequestClose(main.id));
  const auto status = game.Process().WaitFor();
  ASSERT_TRUE(status) << "the game did not end when its window closed";
  EXPECT_TRUE(status->exited && status->code == 0)
      << "status " << status->code << ", signal " << status->signal;
  EXPECT_EQ(game.SanitizerReport(), "");
}

}  // namespace
}  // namespace lucen::e2e
