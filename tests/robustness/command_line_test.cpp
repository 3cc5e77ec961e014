// The command line: --help and --version answer in the desktop's language with or without a
// display, an unknown option or a stray argument is refused in one line with status 2 and
// starts nothing, and Qt's own options still reach Qt.
#include <gtest/gtest.h>

#include <QLibraryInfo>
#include <QVersionNumber>
#include <map>
#include <set>
#include <sstream>

#include "main_window/command_line.h"
#include "platform/display_check.h"
#include "tests/e2e/support/game_test.h"

namespace lucen::e2e {
namespace {

struct Outcome {
  ExitStatus status;
  std::string out, err;
};

// The game (or `program`) run with `arguments` on a desktop with LANG=`lang`, the variables
// `more` and no display at all; its standard output goes to `out` when one is named.
Outcome RunWithoutDisplay(const std::vector<std::string>& arguments, const std::string& lang,
                          const std::map<std::string, std::string>& more = {},
                          const std::string& program = LUCEN_EXECUTABLE,
                          const std::string& out = "") {
  TempDir folder("lucen-command-line");
  ChildProcess::Options run;
  run.argv = {program};
  run.argv.insert(run.argv.end(), arguments.begin(), arguments.end());
  run.environment.Set("HOME", folder.Path().string())
      .Set("PATH", "/usr/bin:/bin")
      .Set("LANG", lang)
      .Set("ASAN_OPTIONS", WithInherited("ASAN_OPTIONS", "detect_leaks=1"))
      .Set("LSAN_OPTIONS", WithInherited("LSAN_OPTIONS", "suppressions=" LUCEN_LSAN_SUPPRESSIONS
                                                         ":print_suppressions=0"));
  for (const auto& [name, value] : more) run.environment.Set(name, value);
  run.stdoutFile = out.empty() ? folder.Path() / "out" : std::filesystem::path(out);
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

// The platforms that Qt itself names when it has none of those asked for, as the game lists
// them: by name (without the folder Qt adds to some), sorted.
std::string QtsOwnPlatforms() {
  const std::string err =
      RunWithoutDisplay({}, "C", {{"QT_QPA_PLATFORM", "bogus"}}, LUCEN_QT_PROBE).err;
  const std::string intro = "Available platform plugins are: ";
  const std::size_t from = err.find(intro) + intro.size();
  if (from < intro.size()) return "(Qt named none) " + err;
  std::istringstream list(err.substr(from, err.find(".\n", from) - from));
  std::set<std::string> names;
  for (std::string name; std::getline(list >> std::ws, name, ',');) {
    names.insert(name.substr(0, name.find(' ')));
  }
  std::string joined;
  for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
  return joined;
}

struct Slip {
  std::vector<std::string> arguments;
  const char* platformVariable;  // QT_QPA_PLATFORM
  const char* stdoutTo;          // a file for the standard output, or "" for a plain one
  int status;
  std::string spanish, english;  // the one line on stderr; "@" stands for Qt's platforms
};

// Each slip is answered with one line in the player's language and its status, and starts
// nothing.
TEST(CommandLine, EachSlipGetsOneLineAndItsStatus) {
  const std::string es = "lucen: plataforma no instalada: «",
                    en = "lucen: platform not installed: '";
  const std::string noDisplay = "lucen: no hay ninguna pantalla gráfica disponible",
                    noDisplayEn = "lucen: no graphical display is available";
  const Slip slips[] = {
      {{"-platform", "bogus"},
       "",
       "",
       2,
       es + "bogus». Instaladas: @.",
       en + "bogus'. Installed: @."},
      {{}, "x11", "", 2, es + "x11». Instaladas: @.", en + "x11'. Installed: @."},
      {{}, ";", "", 2, es + ";». Instaladas: @.", en + ";'. Installed: @."},
      // The command line over the variable; names in any case, with options, in lists.
      {{"--platform", "x11:fontengine=freetype;wayland-bogus"},
       "offscreen",
       "",
       2,
       es + "x11:fontengine=freetype;wayland-bogus». Instaladas: @.",
       en + "x11:fontengine=freetype;wayland-bogus'. Installed: @."},
      {{"-platform", "bogus;XCB:nograb"}, "", "", 1, noDisplay, noDisplayEn},
      {{"-platform"},
       "offscreen",
       "",
       2,
       "lucen: falta el valor de «-platform». Pruebe «lucen --help».",
       "lucen: missing value for '-platform'. Try 'lucen --help'."},
      {{"-display"},
       "",
       "",
       2,
       "lucen: falta el valor de «-display». Pruebe «lucen --help».",
       "lucen: missing value for '-display'. Try 'lucen --help'."},
      {{"--platform", ""},
       "",
       "",
       2,
       "lucen: falta el valor de «--platform». Pruebe «lucen --help».",
       "lucen: missing value for '--platform'. Try 'lucen --help'."},
      {{"--help"},
       "",
       "/dev/full",
       1,
       "lucen: no se pudo escribir la respuesta.",
       "lucen: could not write the answer."},
      {{"--version"},
       "",
       "/dev/full",
       1,
       "lucen: no se pudo escribir la respuesta.",
       "lucen: could not write the answer."},
  };
  const std::string platforms = QtsOwnPlatforms();
  for (const Slip& slip : slips) {
    for (const auto& [lang, expected] :
         {std::pair{"es_ES.UTF-8", slip.spanish}, {"en_US.UTF-8", slip.english}}) {
      std::map<std::string, std::string> variables;
      if (*slip.platformVariable) variables["QT_QPA_PLATFORM"] = slip.platformVariable;
      const Outcome run =
          RunWithoutDisplay(slip.arguments, lang, variables, LUCEN_EXECUTABLE, slip.stdoutTo);
      std::string line = expected + "\n";
      if (const auto at = line.find('@'); at != std::string::npos) line.replace(at, 1, platforms);
      EXPECT_TRUE(run.status.exited && run.status.code == slip.status)
          << slip.arguments.size() << " arguments, " << lang << ": " << run.err;
      EXPECT_EQ(run.err, line);
      EXPECT_EQ(run.out, "");
    }
  }
}

// The copies of Qt's rules in the game are Qt 6.4's: another Qt asks for them to be looked over.
TEST(QtMirror, TheQtInUseIsTheOneMirrored) {
  const QVersionNumber qt = QLibraryInfo::version();
  const int inUse = QT_VERSION_CHECK(qt.majorVersion(), qt.minorVersion(), 0);
  EXPECT_EQ(inUse, kQtOptionsMirrored);
  EXPECT_EQ(inUse, kQtPlatformChoiceMirrored);
}

// Qt takes out of the command line each option that the game leaves to it, with its value (on
// X11, where all of them apply).
TEST(QtMirror, QtTakesEveryOptionTheGameLeavesToIt) {
  TempDir folder("lucen-qt-options");
  const XvfbServer x(folder.Path() / "xvfb.log");
  const std::map<std::string, std::string> onX = {
      {"QT_QPA_PLATFORM", "xcb"},
      {"DISPLAY", x.DisplayName()},
      {"DBUS_SESSION_BUS_ADDRESS", NoSessionBus(folder.Path())}};
  for (const QtOption& option : QtOptions()) {
    const std::string name = std::string("-") + option.name;
    const std::string value = name == "-display"    ? x.DisplayName()
                              : name == "-platform" ? "xcb"
                                                    : "x";
    std::vector<std::vector<std::string>> forms{{name}};
    if (option.value != QtOption::Value::kNone) forms[0].push_back(value);
    if (option.value == QtOption::Value::kNextOrJoined) forms.push_back({name + "=" + value});
    for (const auto& form : forms) {
      const Outcome qt = RunWithoutDisplay(form, "C", onX, LUCEN_QT_PROBE);
      EXPECT_EQ(qt.out, "xcb\n") << form[0] << " is left to the program\n" << qt.err;
    }
  }
}

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
