// The desktop's opener as it may really be: a folder with spaces and accents, no opener at all,
// or an opener that takes its time. The game hands over the exact file and never waits.
#include <X11/keysym.h>
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

constexpr int kHelp = 1;
constexpr int kHowToPlay = 1;

// Much shorter than the slow opener's 30 s, yet far longer than the game needs to answer.
constexpr std::chrono::milliseconds kPromptly{10'000};

std::optional<TopLevel> WaitForAbout(GameSession& game) {
  return game.WaitForWindow([](const TopLevel& w) {
    return w.frame.width == kAboutWidth && w.frame.height == kAboutHeight;
  });
}

// The game and its page copied into "Mis juegos/Lucen ñandú", run with and without a UTF-8
// locale.
class AccentedFolderTest : public GameTest, public ::testing::WithParamInterface<bool> {
 protected:
  GameOptions Options() const override {
    GameOptions options;
    options.executable = folder_->Path() / "Mis juegos" / "Lucen ñandú" / "lucen";
    options.utf8Locale = GetParam();
    return options;
  }
  void SetUp() override {
    folder_ = std::make_unique<TempDir>("lucen-accents");
    const std::filesystem::path source = LUCEN_EXECUTABLE;
    const std::filesystem::path target = folder_->Path() / "Mis juegos" / "Lucen ñandú";
    std::filesystem::create_directories(target);
    std::filesystem::copy_file(source, target / "lucen");
    std::filesystem::copy_file(source.parent_path() / "Instrucciones.htm",
                               target / "Instrucciones.htm");
    GameTest::SetUp();
  }
  void TearDown() override {
    GameTest::TearDown();
    folder_.reset();
  }

  std::unique_ptr<TempDir> folder_;
};

TEST_P(AccentedFolderTest, ComoJugarAsksForThatExactFile) {
  game->PassAboutWindow();
  game->ChooseMenuItem(kHelp, kHowToPlay);
  const auto calls = game->WaitForOpenerCalls(1);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].program, "xdg-open");
  ASSERT_EQ(calls[0].arguments.size(), 1u);
  const std::string& url = calls[0].arguments[0];
  ASSERT_EQ(url.rfind("file://", 0), 0u) << url;
  const std::filesystem::path expected = std::filesystem::canonical(folder_->Path()) /
                                         "Mis juegos" / "Lucen ñandú" / "Instrucciones.htm";
  EXPECT_EQ(PercentDecode(url.substr(7)), expected.string()) << url;
  EXPECT_TRUE(std::filesystem::is_regular_file(PercentDecode(url.substr(7))));
}

INSTANTIATE_TEST_SUITE_P(Locales, AccentedFolderTest, ::testing::Values(true, false),
                         [](const auto& param) {
                           return std::string(param.param ? "Utf8Locale" : "CLocale");
                         });

// No opener anywhere on PATH: the requests come to nothing and the game goes on.
class MissingOpenerTest : public GameTest {
 protected:
  GameOptions Options() const override {
    GameOptions options;
    options.opener = Opener::kMissing;
    return options;
  }
};

TEST_F(MissingOpenerTest, LinksAndComoJugarChangeNothing) {
  const auto about = WaitForAbout(*game);
  ASSERT_TRUE(about);
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
  for (const auto& [x, y] :
       {GameSession::MailLink(about->frame), GameSession::WebLink(about->frame)}) {
    game->Desktop().Click(x, y);
    ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
    const auto windows = game->Desktop().MappedTopLevels();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].id, about->id);
  }
  game->Desktop().Click(about->frame.x + 5, about->frame.y + 5);
  ASSERT_TRUE(game->WaitUntilGone(about->id));
  const auto main = game->WaitForMainWindow();
  ASSERT_TRUE(main);

  ASSERT_TRUE(BoardIs(game->ClickCellAndSettle(5, 13), Showing(5, 2, {13}), 5));
  game->ChooseMenuItem(kHelp, kHowToPlay);
  // With no opener the game shows the instructions itself, and the board still answers.
  const auto instructions =
      game->WaitForWindow([&](const TopLevel& window) { return window.name == "Como Jugar"; });
  ASSERT_TRUE(instructions);
  game->Desktop().RequestClose(instructions->id);
  ASSERT_TRUE(game->WaitUntilGone(instructions->id));
  EXPECT_TRUE(BoardIs(game->ClickCellAndSettle(5, 1), Showing(5, 2, {13, 1}), 5));
  EXPECT_TRUE(game->Process().Running());
  EXPECT_TRUE(game->OpenerCalls().empty());
}

// An opener that takes 30 s before it ends: the game hands the request over and carries on.
class SlowOpenerTest : public GameTest {
 protected:
  GameOptions Options() const override {
    GameOptions options;
    options.opener = Opener::kSlow;
    return options;
  }
};

bool Alive(int pid) {
  return std::filesystem::exists("/proc/" + std::to_string(pid));
}

TEST_F(SlowOpenerTest, TheLinkAndComoJugarReturnAtOnce) {
  const auto about = WaitForAbout(*game);
  ASSERT_TRUE(about);
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
  const auto [mailX, mailY] = GameSession::MailLink(about->frame);
  const auto clicked = std::chrono::steady_clock::now();
  game->Desktop().Click(mailX, mailY);
  ASSERT_EQ(game->WaitForOpenerCalls(1, kPromptly).size(), 1u);
  // The about window answers while the opener is still busy.
  ASSERT_TRUE(game->SyncWithAboutWindow(about->frame));
  EXPECT_LT(std::chrono::steady_clock::now() - clicked, kPromptly);
  EXPECT_TRUE(Alive(game->OpenerCalls()[0].pid)) << "the opener should still be sleeping";

  game->Desktop().Click(about->frame.x + 5, about->frame.y + 5);
  ASSERT_TRUE(game->WaitUntilGone(about->id, kPromptly));
  ASSERT_TRUE(game->WaitForMainWindow());

  const auto chosen = std::chrono::steady_clock::now();
  game->ChooseMenuItem(kHelp, kHowToPlay);
  const auto calls = game->WaitForOpenerCalls(2, kPromptly);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].program, "xdg-open");
  const std::vector<Rgb> lit = Showing(5, 2, {13});
  game->ClickCell(5, 13);
  EXPECT_TRUE(WaitUntil([&] { return game->CellColours(5) == lit; }, kPromptly));
  EXPECT_LT(std::chrono::steady_clock::now() - chosen, kPromptly);
  EXPECT_TRUE(Alive(calls[1].pid)) << "the opener should still be sleeping";
}

}  // namespace
}  // namespace lucen::e2e
