// The desktop's opener as it may really be: a folder with spaces and accents, no opener at all,
// or an opener that never finishes. The game hands over the exact file and never waits.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

constexpr int kHelp = 1;
constexpr int kHowToPlay = 1;

// The game and its page copied into "Mis juegos/Lucen ñandú", run with and without a UTF-8
// locale.
class AccentedFolderTest : public GameTest, public ::testing::WithParamInterface<bool> {
 protected:
  std::filesystem::path Place() const {
    return folder_.path().toStdString() + "/Mis juegos/Lucen ñandú";
  }
  GameOptions Options() const override {
    GameOptions options;
    options.executable = Place() / "lucen";
    if (!GetParam()) options.environment.clear();  // no locale variable: the C locale
    return options;
  }
  void SetUp() override {
    const std::filesystem::path source = LUCEN_EXECUTABLE;
    std::filesystem::create_directories(Place());
    std::filesystem::copy_file(source, Place() / "lucen");
    std::filesystem::copy_file(source.parent_path() / "Instrucciones.htm",
                               Place() / "Instrucciones.htm");
    GameTest::SetUp();
  }

  QTemporaryDir folder_{QDir::tempPath() + "/lucen-accents-XXXXXX"};
};

TEST_P(AccentedFolderTest, ComoJugarAsksForThatExactFile) {
  game->PassAboutWindow();
  game->ChooseMenuItem(kHelp, kHowToPlay);
  const auto calls = game->WaitForOpenerCalls(1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].program, "xdg-open");
  ASSERT_EQ(calls[0].arguments.size(), 1u);
  const std::string asked = LocalPath(calls[0].arguments[0]);
  EXPECT_EQ(asked, std::filesystem::canonical(Place() / "Instrucciones.htm").string())
      << calls[0].arguments[0];
  EXPECT_TRUE(std::filesystem::is_regular_file(asked));
}

INSTANTIATE_TEST_SUITE_P(Locales, AccentedFolderTest, ::testing::Values(true, false),
                         [](const auto& param) {
                           return std::string(param.param ? "Utf8Locale" : "CLocale");
                         });

template <Opener kind>
class OpenerTest : public GameTest {
 protected:
  GameOptions Options() const override {
    GameOptions options;
    options.opener = kind;
    return options;
  }
};

// No opener anywhere on PATH: the links come to nothing, "Como Jugar" shows the page in the
// game, and the game goes on.
using MissingOpenerTest = OpenerTest<Opener::kMissing>;

TEST_F(MissingOpenerTest, LinksComeToNothingAndComoJugarShowsThePageItself) {
  const auto about = game->WaitForAbout();
  ASSERT_TRUE(about);
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
  for (const QPoint link : {game->MailLink(about->frame), game->WebLink(about->frame)}) {
    game->Desktop().Click(link);
    ASSERT_TRUE(AboutAloneAndAnswering(*game, *about));
  }
  ASSERT_TRUE(ClickAboutAway(*game, *about));

  Board model(5, 2);
  ASSERT_TRUE(Play(*game, model, 13));
  game->ChooseMenuItem(kHelp, kHowToPlay);
  // With no opener the game shows the instructions itself, and the board still answers.
  const auto instructions =
      game->WaitForWindow([&](const TopLevel& window) { return window.name == "Como Jugar"; });
  ASSERT_TRUE(instructions);
  game->Desktop().RequestClose(instructions->id);
  ASSERT_TRUE(game->WaitUntilGone(instructions->id));
  EXPECT_TRUE(Play(*game, model, 1));
  EXPECT_TRUE(game->Process().Running());
  EXPECT_TRUE(game->OpenerCalls().empty());
}

// An opener that never finishes on its own: the game hands the request over and carries on. Each
// time the opener has been called and is still running, the game answers the player.
using SlowOpenerTest = OpenerTest<Opener::kSlow>;

bool Alive(int pid) {
  return std::filesystem::exists("/proc/" + std::to_string(pid));
}

TEST_F(SlowOpenerTest, TheLinkAndComoJugarReturnAtOnce) {
  const auto about = game->WaitForAbout();
  ASSERT_TRUE(about);
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
  game->Desktop().Click(game->MailLink(about->frame));
  ASSERT_EQ(game->WaitForOpenerCalls(1).size(), 1u);
  // The about window answers while the opener is still busy.
  ASSERT_TRUE(AboutAloneAndAnswering(*game, *about));
  EXPECT_TRUE(Alive(game->OpenerCalls()[0].pid)) << "the opener should still be running";
  ASSERT_TRUE(ClickAboutAway(*game, *about));

  game->ChooseMenuItem(kHelp, kHowToPlay);
  const auto calls = game->WaitForOpenerCalls(2);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].program, "xdg-open");
  Board model(5, 2);
  EXPECT_TRUE(Play(*game, model, 13));
  EXPECT_TRUE(Alive(calls[1].pid)) << "the opener should still be running";
}

}  // namespace
}  // namespace lucen::e2e
