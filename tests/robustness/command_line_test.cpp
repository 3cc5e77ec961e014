// The command line: --help and --version answer in the desktop's language with or without a
// display, an unknown option or a stray argument is refused in one line with status 2 and
// starts nothing, and Qt's own options still reach Qt.
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

// The game run with `arguments` on a desktop with LANG=`lang` and no display at all.
Finished RunWithoutDisplay(const std::vector<std::string>& arguments, const std::string& lang) {
  GameOptions options;
  options.arguments = arguments;
  options.environment = {{"LANG", lang}};
  return ::lucen::e2e::RunWithoutDisplay(options);
}

struct Language {
  const char* lang;
  const char* usage;    // how the help begins
  const char* unknown;  // the refusal of --frobnicate
};

class CommandLineTest : public ::testing::TestWithParam<Language> {};

TEST_P(CommandLineTest, HelpVersionAndRefusalsNeedNoDisplay) {
  const Language& language = GetParam();
  for (const char* help : {"--help", "-h"}) {
    const Finished run = RunWithoutDisplay({help}, language.lang);
    EXPECT_TRUE(run.status.exited && run.status.code == 0) << run.err;
    EXPECT_EQ(run.out.rfind(language.usage, 0), 0U) << run.out;
    EXPECT_NE(run.out.find("--version"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
  }
  const Finished version = RunWithoutDisplay({"--version"}, language.lang);
  EXPECT_TRUE(version.status.exited && version.status.code == 0);
  EXPECT_EQ(version.out, "Lucen 1.00\n");

  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--frobnicate"}, {"-platform", "offscreen", "--frobnicate"}, {"stray"}}) {
    const Finished refused = RunWithoutDisplay(arguments, language.lang);
    EXPECT_TRUE(refused.status.exited && refused.status.code == 2) << refused.err;
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
    EXPECT_NE(refused.err.find("--help"), std::string::npos) << refused.err;
  }
  EXPECT_EQ(RunWithoutDisplay({"--frobnicate"}, language.lang).err, language.unknown);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, CommandLineTest,
    ::testing::Values(
        Language{"es_ES.UTF-8",
                 "Uso: ", "lucen: opción desconocida «--frobnicate». Pruebe «lucen --help».\n"},
        Language{"C",
                 "Uso: ", "lucen: opción desconocida «--frobnicate». Pruebe «lucen --help».\n"},
        Language{"en_US.UTF-8",
                 "Usage: ", "lucen: unknown option '--frobnicate'. Try 'lucen --help'.\n"}),
    [](const auto& param) {
      const std::string lang = param.param.lang;
      return lang.substr(0, lang.find_first_of("_."));
    });

// With a display, an unknown option still starts nothing.
TEST(CommandLine, AnUnknownOptionOpensNoWindow) {
  GameOptions options;
  options.arguments = {"--frobnicate"};
  GameSession game(options);
  const auto status = game.Process().WaitFor(kPatience);
  ASSERT_TRUE(status);
  EXPECT_TRUE(status->exited && status->code == 2);
  EXPECT_TRUE(game.Desktop().MappedTopLevels().empty());
}

// Qt's own -platform reaches Qt: with no display, the game loads Qt's offscreen platform and goes
// on running there, until it is ended.
TEST(CommandLine, QtsOwnOptionsStillWork) {
  QTemporaryDir folder(QDir::tempPath() + "/lucen-qt-options-XXXXXX");
  GameOptions options;
  options.arguments = {"-platform", "offscreen", "-reverse"};
  const auto game = StartGame(options, folder.path().toStdString(), "");
  const std::string maps = "/proc/" + std::to_string(game->Pid()) + "/maps";
  const auto offscreen = [&] {
    return ReadFile(maps).find("/libqoffscreen.so") != std::string::npos;
  };
  ASSERT_TRUE(WaitUntil([&] { return offscreen() || !game->Running(); }));
  EXPECT_TRUE(offscreen()) << "the game never loaded the offscreen platform";
  EXPECT_TRUE(game->Running()) << ReadFile(folder.path().toStdString() + "/game.err");
}

}  // namespace
}  // namespace lucen::e2e
