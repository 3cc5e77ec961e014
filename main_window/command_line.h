#pragma once

#include <QString>
#include <QStringList>

namespace lucen {

// What the command line asks for. Qt's own options (-display, -platform, -style, ...) are left
// for Qt; anything else that is not the game's own is refused.
struct CommandLine {
  enum class Request { kPlay, kHelp, kVersion, kRefused };
  Request request = Request::kPlay;
  QString refused;  // the option or argument refused
  // Qt's -platform and -display, when given, for the check that a display can be reached.
  QString platform;
  QString display;
};

// Reads the arguments (the program's name first). Needs no application object and no display.
CommandLine ReadCommandLine(const QStringList& arguments);

// What --help prints, in the language installed on the application.
QString HelpText();
// What --version prints.
QString VersionText();
// The one line that refuses `what`, with the way to get help.
QString RefusalText(const QString& what);

}  // namespace lucen
