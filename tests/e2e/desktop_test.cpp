// What the game asks of the desktop: the instructions page and the maker's addresses go to the
// desktop's opener (here a stand-in that notes its arguments), and a close request from the
// window manager ends the program.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

using DesktopTest = GameTest;
using MainWindowDesktopTest = MainWindowTest;

TEST_F(MainWindowDesktopTest, ComoJugarOpensTheInstructionsBesideTheProgram) {
  game->ChooseMenuItem(1, 1);
  const auto calls = game->WaitForOpenerCalls(1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].program, "xdg-open");
  ASSERT_EQ(calls[0].arguments.size(), 1u);
  const std::filesystem::path expected =
      std::filesystem::canonical(LUCEN_EXECUTABLE).parent_path() / "Instrucciones.htm";
  EXPECT_EQ(LocalPath(calls[0].arguments[0]), expected.string());
  EXPECT_TRUE(std::filesystem::is_regular_file(expected));

  // The game goes on, with no window of its own for the page.
  Board model(5, 2);
  EXPECT_TRUE(Play(*game, model, 1));
  EXPECT_EQ(game->Desktop().MappedTopLevels().size(), 1u);
}

TEST_F(DesktopTest, TheAboutWindowLinksOpenTheMakersAddressesAndStayOpen) {
  const auto about = game->WaitForAbout();
  ASSERT_TRUE(about);
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));  // painted and answering

  const auto [mailX, mailY] = game->MailLink(about->frame);
  game->Desktop().Click(mailX, mailY);
  auto calls = game->WaitForOpenerCalls(1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_TRUE(calls[0].program == "xdg-open" || calls[0].program == "xdg-email")
      << calls[0].program;
  EXPECT_EQ(calls[0].arguments, std::vector<std::string>{"mailto:info@quindral.example"});

  const auto [webX, webY] = game->WebLink(about->frame);
  game->Desktop().Click(webX, webY);
  calls = game->WaitForOpenerCalls(2);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].program, "xdg-open");
  EXPECT_EQ(calls[1].arguments, std::vector<std::string>{"http://www.quindral.example"});

  // Neither link closes the window; it still answers, and the main window has not come.
  ASSERT_TRUE(AboutAloneAndAnswering(*game, *about));
  EXPECT_TRUE(ClickAboutAway(*game, *about));
  EXPECT_EQ(game->OpenerCalls().size(), 2u);
}

TEST_F(MainWindowDesktopTest, ACloseRequestEndsTheProgramWithStatusZero) {
  Board model(5, 2);
  ASSERT_TRUE(Play(*game, model, 13));  // answering, with a move made
  ASSERT_TRUE(game->Desktop().RequestClose(main.id));
  const auto status = game->Process().WaitFor(kPatience);
  ASSERT_TRUE(status) << "still running after the close request";
  EXPECT_TRUE(status->exited) << "killed by signal " << status->signal;
  EXPECT_EQ(status->code, 0);
}

}  // namespace
}  // namespace lucen::e2e
