// "Símbolos" at the device pixel ratio given by QT_SCALE_FACTOR (run at 1, 1.5 and 2): a shape
// for each colour step, and the choice kept between runs.
#include <QtTest>

#include "player_files/player_paths.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class SymbolsTest : public GameWindowTest {
  Q_OBJECT

 private slots:
  void init() { StartGame(); }

  // With "Símbolos" on, each colour step of each cycle draws a shape of its own (black none), at
  // 5 x 5 and at 9 x 9, seen in the middle of the cell, inside the hint ring and the focus ring.
  // The choice outlasts the window, and a settings file that cannot be read is only ignored.
  void everyColourStepHasASymbolOfItsOwn() {
    Choose("MnuSimbolos");
    for (int size : {5, 9}) {
      Choose(QStringLiteral("MnuTam_%1").arg(size - 5));
      for (int colours = 2; colours <= 4; ++colours) {
        Choose(QStringLiteral("MnuC_%1").arg(colours - 2));
        std::vector<QSet<QPoint>> inks;
        for (int step = 0; step < colours; ++step, Cell(1)->click()) {
          inks.push_back(Ink(Cell(1), form->GameBoard().Colour(0)));
        }
        QVERIFY(inks[0].isEmpty());
        for (int a = 1; a < colours; ++a) {
          for (int b = 0; b < a; ++b) {
            const auto apart = (inks[a] - inks[b]).size() + (inks[b] - inks[a]).size();
            QVERIFY2(apart * 4 >= std::max(inks[a].size(), inks[b].size()),
                     qPrintable(QStringLiteral("%1x%1, %2 colours: steps %3 and %4 look alike")
                                    .arg(size)
                                    .arg(colours)
                                    .arg(a)
                                    .arg(b)));
          }
        }
      }
    }
    StartGame();
    QVERIFY(Item("MnuSimbolos")->isChecked());
    Cell(1)->click();
    QVERIFY(!Ink(Cell(1), form->GameBoard().Colour(0)).isEmpty());

    QFile file(PreferencesPath());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\xff[\x01symbols=\ntrue") > 0);
    file.close();
    StartGame();
    QVERIFY(!Item("MnuSimbolos")->isChecked());
  }

 private:
  // The pixels in the middle third of a cell, where only a symbol is drawn, that do not show its
  // colour `fill`.
  static QSet<QPoint> Ink(QWidget* cell, Rgb fill) {
    const QImage image = cell->grab().toImage();
    QSet<QPoint> ink;
    for (int y = image.height() / 3; y < image.height() * 2 / 3; ++y) {
      for (int x = image.width() / 3; x < image.width() * 2 / 3; ++x) {
        if (image.pixelColor(x, y) != Painted(fill)) ink.insert({x, y});
      }
    }
    return ink;
  }
};

QTEST_MAIN(SymbolsTest)
#include "symbols_test.moc"
