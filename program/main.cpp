#include <QApplication>
#include <cstdio>

#include "desktop/desktop_shell.h"
#include "desktop/program_identity.h"
#include "main_window/main_window.h"
#include "program/command_line.h"
#include "program/display_check.h"
#include "program/translations.h"

namespace {

// Texts of the program itself, outside any window.
class Program {
  Q_DECLARE_TR_FUNCTIONS(Program)

 public:
  static QString NoDisplay() { return tr("lucen: no hay ninguna pantalla gráfica disponible\n"); }
};

// Whether all of `text` reached the stream.
bool Print(std::FILE* stream, const QString& text) {
  return std::fputs(text.toLocal8Bit().constData(), stream) >= 0 && std::fflush(stream) == 0;
}

void NameTheProgram() {
  QCoreApplication::setApplicationName(lucen::ApplicationTitle());
  QCoreApplication::setApplicationVersion(QStringLiteral(LUCEN_VERSION));  // the project's
}

// Prints the answer to --help or --version; a failed write (a full disk) ends with status 1.
int Answer(const QString& text) {
  if (Print(stdout, text)) return 0;
  Print(stderr, lucen::WriteFailureText());
  return 1;
}

// Answers the command line, or says that Qt cannot start, without starting the game: no window
// system is needed for any of it.
int AnswerWithoutPlaying(int argc, char* argv[], const lucen::CommandLine& commandLine,
                         const lucen::PlatformCheck& platform) {
  QCoreApplication app(argc, argv);
  NameTheProgram();
  lucen::InstallTranslations(app);
  switch (commandLine.request) {
    case lucen::CommandLine::Request::kHelp:
      return Answer(lucen::HelpText());
    case lucen::CommandLine::Request::kVersion:
      return Answer(lucen::VersionText());
    case lucen::CommandLine::Request::kRefused:
      Print(stderr, lucen::RefusalText(commandLine.refused));
      return 2;
    case lucen::CommandLine::Request::kPlay:
      break;
  }
  if (platform.outcome == lucen::PlatformCheck::Outcome::kNotInstalled) {
    Print(stderr, lucen::PlatformRefusalText(platform.asked, platform.installed));
    return 2;
  }
  Print(stderr, Program::NoDisplay());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const lucen::CommandLine commandLine = lucen::ReadCommandLine(arguments);
  lucen::PlatformCheck platform;
  if (commandLine.request == lucen::CommandLine::Request::kPlay) {
    platform = lucen::CheckPlatform(commandLine.platform, commandLine.platformPluginPath,
                                    commandLine.display.toLocal8Bit());
  }
  if (commandLine.request != lucen::CommandLine::Request::kPlay ||
      platform.outcome != lucen::PlatformCheck::Outcome::kStarts) {
    return AnswerWithoutPlaying(argc, argv, commandLine, platform);
  }

  QApplication app(argc, argv);
  NameTheProgram();
  lucen::InstallTranslations(app);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.example.Lucen"));
  // The main window's close is the only way out, and it ends the program itself.
  QApplication::setQuitOnLastWindowClosed(false);

  lucen::SystemShell shell;
  lucen::MainWindow window(shell);
  window.StartUp();  // returns once the about window has been closed
  // A game asked for on the command line comes before the one in play at the last close.
  if (commandLine.game) {
    window.StartGame(*commandLine.game);
  } else if (commandLine.daily) {
    window.StartDailyGame();
  } else {
    window.ResumeSavedGame();
  }
  window.ShowCentred();
  return QApplication::exec();
}
