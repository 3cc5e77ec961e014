// The command line: --help and --version answer in the desktop's language with or without a
// display, an unknown option or a stray argument is refused in one line with status 2 and
// starts nothing, and Qt's own options still reach Qt.
#include <gtest/gtest.h>

#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

struct Outcome {
  ExitStatus status;
  std::string out, err;
};

// The game run with `arguments` on a desktop with LANG=`lang` and no display at all.
Outcome RunWithoutDisplay(const std::vector<std::string>& arguments, const std::string& lang) {
  TempDir folder("lucen-command-line");
  ChildProcess::Options run;
  run.argv = {LUCEN_EXECUTABLE};
  run.argv.insert(run.argv.end(), arguments.begin(), arguments.end());
  run.environment.Set("HOME", folder.Path().string())
      .Set("PATH", "/usr/bin:/bin")
      .Set("LANG", lang)
      .Set("ASAN_OPTIONS", WithInherited("ASAN_OPTIONS", "detect_leaks=1"))
      .Set("LSAN_OPTIONS", WithInherited("LSAN_OPTIONS", "suppressions=" LUCEN_LSAN_SUPPRESSIONS
                                                         ":print_suppressions=0"));
  run.stdoutFile = folder.Path() / "out";
  run.stderrFile = folder.Path() / "err";
  ChildProcess game(run);
  const auto status = game.WaitFor(kPatience);
  if (!status) throw std::runtime_error("still running");
  return {*status, ReadFile(folder.Path() / "out"), ReadFile(folder.Path() / "err")};
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
    const Outcome run = RunWithoutDisplay({help}, language.lang);
    EXPECT_TRUE(run.status.exited && run.status.code == 0) << run.err;
    EXPECT_EQ(run.out.rfind(language.usage, 0), 0U) << run.out;
    EXPECT_NE(run.out.find("--version"), std::string::npos) << run.out;
    EXPECT_EQ(run.err, "");
  }
  const Outcome version = RunWithoutDisplay({"--version"}, language.lang);
  EXPECT_TRUE(version.status.exited && version.status.code == 0);
  // The project's version, the minor with two digits: "Lucen 1.00" for 1.0.0.
  const int minor = LUCEN_VERSION_MINOR;
  EXPECT_EQ(version.out, "Lucen " + std::to_string(LUCEN_VERSION_MAJOR) +
                             (minor < 10 ? ".0" : ".") + std::to_string(minor) + "\n");

  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"--frobnicate"}, {"-platform", "offscreen", "--frobnicate"}, {"stray"}}) {
    const Outcome refused = RunWithoutDisplay(arguments, language.lang);
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

// Qt's own -platform reaches Qt: with no display, the game starts on the offscreen platform and
// runs until it is ended.
TEST(CommandLine, QtsOwnOptionsStillWork) {
  TempDir folder("lucen-qt-options");
  ChildProcess::Options run;
  run.argv = {LUCEN_EXECUTABLE, "-platform", "offscreen", "-reverse"};
  run.environment.Set("HOME", folder.Path().string()).Set("PATH", "/usr/bin:/bin");
  run.environment.Inherit("ASAN_OPTIONS").Inherit("LSAN_OPTIONS");
  ChildProcess game(run);
  EXPECT_FALSE(game.WaitFor(std::chrono::milliseconds(1500))) << "it should be running";
}

}  // namespace
}  // namespace lucen::e2e
