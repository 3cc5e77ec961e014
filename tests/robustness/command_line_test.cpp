// The command line: --help and --version answer in the desktop's language with or without a
// display, an unknown option or a stray argument is refused in one line with status 2 and
// starts nothing, and Qt's own options still reach Qt.
#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QStringList>

#include "program/command_line.h"
#include "program/display_check.h"
#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

// The game (or `program`) run with `arguments` on a desktop with LANG=`lang`, the variables
// `more` and no display at all; its standard output goes to `out` when one is named.
Finished RunWithoutDisplay(const std::vector<std::string>& arguments, const std::string& lang,
                           std::map<std::string, std::string> more = {},
                           const std::string& program = LUCEN_EXECUTABLE,
                           const std::string& out = "") {
  GameOptions options;
  options.executable = program;
  options.arguments = arguments;
  options.environment = std::move(more);
  options.environment["LANG"] = lang;
  options.stdoutTo = out;
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
  // As GNU tools do, help answers whatever else the line holds.
  const Finished helpAnyway =
      RunWithoutDisplay({"--frobnicate", "-g", "-h", "--help"}, language.lang);
  EXPECT_TRUE(helpAnyway.status.exited && helpAnyway.status.code == 0) << helpAnyway.err;
  EXPECT_EQ(helpAnyway.out.rfind(language.usage, 0), 0U) << helpAnyway.out;
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

// The platforms that Qt itself names when it has none of those asked for, sorted and joined as
// the game lists them.
std::string QtsOwnPlatforms() {
  const QString err = QString::fromStdString(
      RunWithoutDisplay({}, "C", {{"QT_QPA_PLATFORM", "bogus"}}, LUCEN_QT_PROBE).err);
  QStringList names = err.section(QStringLiteral("Available platform plugins are: "), 1)
                          .section(QStringLiteral(".\n"), 0, 0)
                          .split(QStringLiteral(", "));
  names.sort();
  return names.join(QStringLiteral(", ")).toStdString();
}

// Each slip gets one line in the player's language and its status, and starts nothing.
TEST(CommandLine, EachSlipGetsOneLineAndItsStatus) {
  using Lines = std::pair<std::string, std::string>;  // Spanish, English
  const std::string qt = QtsOwnPlatforms();
  const auto platform = [&qt](const std::string& asked) {
    return Lines{"lucen: plataforma no instalada: «" + asked + "». Instaladas: " + qt + ".",
                 "lucen: platform not installed: '" + asked + "'. Installed: " + qt + "."};
  };
  const auto missing = [](const std::string& option) {
    return Lines{"lucen: falta el valor de «" + option + "». Pruebe «lucen --help».",
                 "lucen: missing value for '" + option + "'. Try 'lucen --help'."};
  };
  const auto repeated = [](const std::string& option) {
    return Lines{"lucen: la opción «" + option + "» se repite. Pruebe «lucen --help».",
                 "lucen: option '" + option + "' is repeated. Try 'lucen --help'."};
  };
  const Lines noDisplay{"lucen: no hay ninguna pantalla gráfica disponible",
                        "lucen: no graphical display is available"};
  const Lines unwritten{"lucen: no se pudo escribir la respuesta.",
                        "lucen: could not write the answer."};
  struct Slip {
    std::vector<std::string> arguments;
    std::string platformVariable, stdoutTo;
    int status;
    Lines lines;
  };
  const std::string list = "x11:fontengine=freetype;wayland-bogus";
  const Slip slips[] = {
      {{"-platform", "bogus"}, "", "", 2, platform("bogus")},
      {{}, "x11", "", 2, platform("x11")},
      // The command line over the variable; names in any case, with options, in lists.
      {{"--platform", list}, "offscreen", "", 2, platform(list)},
      {{"-platform", "bogus;XCB:nograb"}, "", "", 1, noDisplay},
      {{"-platform"}, "offscreen", "", 2, missing("-platform")},
      {{"-display"}, "", "", 2, missing("-display")},
      {{"--help"}, "", "/dev/full", 1, unwritten},
      {{"-g"}, "", "", 2, missing("-g")},
      {{"--game", "7x8-3-1"},
       "",
       "",
       2,
       {"lucen: «7x8-3-1» no es un código de partida: el tablero es cuadrado: sus dos lados son "
        "iguales.",
        "lucen: '7x8-3-1' is not a game code: the board is square: its two sides are equal."}},
      // One of the game's options twice is refused in either order, not read as its last value.
      {{"--game", "bogus", "-g", "7x7-3-5"}, "", "", 2, repeated("-g")},
      {{"--game=7x7-3-5", "--game", "bogus"}, "", "", 2, repeated("--game")},
      {{"--daily", "-d"}, "", "", 2, repeated("-d")},
      {{"--daily", "--game", "7x7-3-5"},
       "",
       "",
       2,
       {"lucen: «--game» y «--daily» no van juntas. Pruebe «lucen --help».",
        "lucen: '--game' and '--daily' cannot be used together. Try 'lucen --help'."}},
      // What is echoed cannot start a line or a terminal sequence of its own.
      {{"--game", "7x7\n\x1b[2Jlucen: ok"},
       "",
       "",
       2,
       {"lucen: «7x7\\n\\x1b[2Jlucen: ok» no es un código de partida: un código tiene la forma "
        "7x7-3-123456.",
        "lucen: '7x7\\n\\x1b[2Jlucen: ok' is not a game code: a code looks like 7x7-3-123456."}},
  };
  for (const Slip& slip : slips) {
    for (const auto& [lang, line] :
         {Lines{"es_ES.UTF-8", slip.lines.first}, {"en_US", slip.lines.second}}) {
      std::map<std::string, std::string> variables;
      if (!slip.platformVariable.empty()) variables["QT_QPA_PLATFORM"] = slip.platformVariable;
      const Finished run =
          RunWithoutDisplay(slip.arguments, lang, variables, LUCEN_EXECUTABLE, slip.stdoutTo);
      EXPECT_TRUE(run.status.exited && run.status.code == slip.status) << run.err;
      EXPECT_EQ(run.err + run.out, line + "\n");
    }
  }
}

// The copies of Qt's rules in the game are Qt 6.4's: another Qt asks for them to be looked over.
TEST(QtMirror, TheQtInUseIsTheOneMirrored) {
  const QVersionNumber qt = QLibraryInfo::version();
  EXPECT_EQ(QT_VERSION_CHECK(qt.majorVersion(), qt.minorVersion(), 0), kQtOptionsMirrored);
  EXPECT_EQ(QT_VERSION_CHECK(qt.majorVersion(), qt.minorVersion(), 0), kQtPlatformChoiceMirrored);
}

// Qt takes out of the command line every option that the game leaves to it, with its value (on
// X11, where all of them apply): Qt alone, given them all, leaves nothing.
TEST(QtMirror, QtTakesEveryOptionTheGameLeavesToIt) {
  QTemporaryDir folder(QDir::tempPath() + "/lucen-qt-options-XXXXXX");
  const XvfbServer x(folder.path().toStdString() + "/xvfb.log");
  std::vector<std::string> apart, joined;  // "-style x", and "-style=x" where Qt takes that too
  for (const QtOption& option : QtOptions()) {
    const std::string name = std::string("-") + option.name;
    apart.push_back(name);
    if (option.value != QtOption::Value::kNone)
      apart.push_back(name == "-display" ? x.DisplayName() : name == "-platform" ? "xcb" : "x");
    if (option.value == QtOption::Value::kNextOrJoined) joined.push_back(name + "=x");
  }
  for (const auto& arguments : {apart, joined}) {
    EXPECT_EQ(RunWithoutDisplay(arguments, "C",
                                {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", x.DisplayName()}},
                                LUCEN_QT_PROBE)
                  .out,
              "xcb\n");
  }
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
