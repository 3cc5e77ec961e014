// The yardstick for the game's start-up and memory: the least a Qt 6 Widgets program can show,
// one empty top-level window. It ends when that window is closed.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.show();
  return QApplication::exec();
}
