#include <QApplication>
#include <cstdio>

#include "main_window/application_title.h"
#include "main_window/command_line.h"
#include "main_window/form1.h"
#include "main_window/translations.h"
#include "platform/desktop_shell.h"
#include "platform/display_check.h"

namespace {

// Texts of the program itself, outside any window.
class Program {
  Q_DECLARE_TR_FUNCTIONS(Program)

 public:
  static QString NoDisplay() { return tr("lucen: no hay ninguna pantalla gráfica disponible\n"); }
};

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
}

void NameTheProgram() {
  QCoreApplication::setApplicationName(lucen::ApplicationTitle());
  QCoreApplication::setApplicationVersion(QStringLiteral(LUCEN_VERSION));  // the project's
}

// Answers the command line, or says there is no display, without starting the game: no window
// system is needed for any of it.
int AnswerWithoutPlaying(int argc, char* argv[], const lucen::CommandLine& commandLine) {
  QCoreApplication app(argc, argv);
  NameTheProgram();
  lucen::InstallTranslations(app);
  switch (commandLine.request) {
    case lucen::CommandLine::Request::kHelp:
      Print(stdout, lucen::HelpText());
      return 0;
    case lucen::CommandLine::Request::kVersion:
      Print(stdout, lucen::VersionText());
      return 0;
    case lucen::CommandLine::Request::kRefused:
      Print(stderr, lucen::RefusalText(commandLine.refused));
      return 2;
    case lucen::CommandLine::Request::kPlay:
      break;
  }
  Print(stderr, Program::NoDisplay());
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const lucen::CommandLine commandLine = lucen::ReadCommandLine(arguments);
  if (commandLine.request != lucen::CommandLine::Request::kPlay ||
      !lucen::GraphicalDisplayAvailable(commandLine.platform.toLocal8Bit(),
                                        commandLine.display.toLocal8Bit())) {
    return AnswerWithoutPlaying(argc, argv, commandLine);
  }

  QApplication app(argc, argv);
  NameTheProgram();
  lucen::InstallTranslations(app);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.example.Lucen"));
  // The main window's close is the only way out, and it ends the program itself.
  QApplication::setQuitOnLastWindowClosed(false);

  lucen::SystemShell shell;
  lucen::Form1 form(shell);
  form.Form_Load();  // returns once the about window has been closed
  form.ShowCentred();
  return QApplication::exec();
}
