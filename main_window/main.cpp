#include <QApplication>
#include <cstdio>

#include "main_window/application_title.h"
#include "main_window/form1.h"
#include "platform/desktop_shell.h"
#include "platform/display_check.h"

int main(int argc, char* argv[]) {
  if (!lucen::GraphicalDisplayAvailable()) {
    std::fputs("lucen: no graphical display is available (no hay pantalla gráfica)\n", stderr);
    return 1;
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(lucen::ApplicationTitle());
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.example.Lucen"));
  // The main window's close is the only way out, and it ends the program itself.
  QApplication::setQuitOnLastWindowClosed(false);

  lucen::SystemShell shell;
  lucen::Form1 form(shell);
  form.Form_Load();  // returns once the about window has been closed
  form.ShowCentred();
  return QApplication::exec();
}
