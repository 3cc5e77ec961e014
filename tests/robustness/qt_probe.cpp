// Qt alone: starts a QApplication on the arguments given, then prints the platform it started
// on and what it left of the arguments, one a line. The command-line tests hold the game's
// copies of Qt's rules against it.
#include <QApplication>
#include <iostream>

int main(int argc, char* argv[]) {
  const QApplication app(argc, argv);
  std::cout << QGuiApplication::platformName().toStdString() << '\n';
  for (int i = 1; i < argc; ++i) std::cout << argv[i] << '\n';
}
