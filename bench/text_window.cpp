// A second yardstick: the minimal window, but showing one line of text in the default font.
// Against it, the game's start-up is seen without the cost of starting fonts at all, which the
// empty minimal window never pays before its window appears.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QLabel window(QStringLiteral("Lucen"));
  window.show();
  return QApplication::exec();
}
