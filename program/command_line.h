#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <optional>
#include <span>

#include "board/game_code.h"

namespace lucen {

// Why the command line is refused, and what was wrong: the option or argument as typed.
struct Refusal {
  enum class Kind {
    kUnknownOption,
    kUnexpectedArgument,
    kMissingValue,
    kRepeatedOption,
    kBadGameCode,
    kGameAndDaily  // two games to start with

  };
  Kind kind = Kind::kUnknownOption;
  QString what;
  CodeError codeError = CodeError::kNotACode;  // why `what` is no game code
};

// What the command line asks for. Qt's own options (-display, -platform, -style, ...) are left
// for Qt; anything else that is not the game's own is refused, and so is an option of the game's
// given twice. --help answers whatever else the line holds, as GNU tools do.
struct CommandLine {
  enum class Request { kPlay, kHelp, kVersion, kRefused };
  Request request = Request::kPlay;
  Refusal refused;
  // The numbered game to start with (--game CODE), or today's game of the day (--daily).
  std::optional<GameId> game;
  bool daily = false;
  // Qt's -platform, -platformpluginpath and -display, when given, for the check that Qt can
  // start.
  QString platform;
  QString platformPluginPath;
  QString display;
};

// Qt's own options, as Qt 6.4 takes them out of the command line (QCoreApplication,
// QGuiApplication, QApplication and the X11 platform); a new Qt may take others.
inline constexpr int kQtOptionsMirrored = QT_VERSION_CHECK(6, 4, 0);
struct QtOption {
  enum class Value { kNone, kNext, kNextOrJoined };  // kNextOrJoined: "-style x" or "-style=x"
  const char* name;                                  // without the dash
  Value value;
};
std::span<const QtOption> QtOptions();

// Reads the arguments (the program's name first). Needs no application object and no display.
CommandLine ReadCommandLine(const QStringList& arguments);

// What --help prints, in the language installed on the application.
QString HelpText();
QString VersionText();
// The one line that refuses the command line, with the way to get help. What it echoes of the
// command line shows control characters escaped ("\n", "\x1b"), so that no argument can start
// a line or a terminal sequence of its own.
QString RefusalText(const Refusal& refusal);
// The one line that refuses the platforms `asked` (as given: "x11", "bogus;other"), none of which
// Qt has, and names the platforms it has.
QString PlatformRefusalText(const QString& asked, const QStringList& installed);
// The one line that says the answer to --help or --version could not be written.
QString WriteFailureText();

}  // namespace lucen
