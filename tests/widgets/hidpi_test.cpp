// The windows at the device pixel ratio given by QT_SCALE_FACTOR (run at 1, 1.5 and 2).
#include <QBitmap>
#include <QLabel>
#include <QtTest>

#include "board_view/board_layout.h"
#include "board_view/cell_button.h"
#include "player_files/player_paths.h"
#include "secondary_windows/about_window.h"
#include "tests/widgets/support/game_window_test.h"

using namespace lucen;
using namespace lucen::testing;

class HighDpiTest : public GameWindowTest {
  Q_OBJECT

 private:
  qreal ratio = 1;

 private slots:
  void initTestCase() {
    ratio = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    StartGame();
    QCOMPARE(form->devicePixelRatioF(), ratio);
  }

  void theLayoutKeepsItsLogicalSize() {
    QCOMPARE(form->centralWidget()->size(), kClientAreaPixels);
    QCOMPARE(Cell(25)->geometry(), TwipsToPixels(CellRects(5).back()));
  }

  void cellsTileWithoutGapsInDevicePixels() {
    QWidget* client = form->centralWidget();
    const QColor background = client->palette().color(QPalette::Window);
    for (int size = 5; size <= 9; ++size) {
      Choose(QStringLiteral("MnuTam_%1").arg(size - 5));
      Cell(1)->click();  // some colour on the board
      const QImage image = client->grab().toImage();
      QCOMPARE(image.devicePixelRatio(), ratio);
      QRect board;
      for (CellButton* cell : client->findChildren<CellButton*>()) board |= cell->geometry();
      const QRect inDevice(qCeil(board.left() * ratio), qCeil(board.top() * ratio),
                           qFloor(board.width() * ratio), qFloor(board.height() * ratio));
      int gaps = 0;
      for (int y = inDevice.top(); y <= inDevice.bottom(); ++y) {
        for (int x = inDevice.left(); x <= inDevice.right(); ++x) {
          if (image.pixelColor(x, y) == background) ++gaps;
        }
      }
      QVERIFY2(
          gaps == 0,
          qPrintable(
              QStringLiteral("%1 background pixels inside the %2x%2 board").arg(gaps).arg(size)));
    }
  }

  void iconsAndCursorAreDrawnForTheScreen() {
    const QPixmap icon = form->windowIcon().pixmap(QSize(32, 32), ratio);
    QCOMPARE(icon.size(), (QSizeF(32, 32) * ratio).toSize());
    QCOMPARE(icon.deviceIndependentSize(), QSizeF(32, 32));

    AboutWindow about(*form, shell);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPixmap slot = about.findChild<QLabel*>("imgIcono")->pixmap();
    QCOMPARE(slot.deviceIndependentSize(), QSizeF(32, 32));
    QVERIFY(slot.width() >= qRound(32 * ratio));
    // The hand over the links only.
    for (const char* link : {"lblMail", "lblURL"}) {
      const QCursor hand = about.findChild<QLabel*>(link)->cursor();
      QCOMPARE(hand.hotSpot(), QPoint(0, 0));
      if (ratio > 1) {
        QCOMPARE(hand.pixmap().size(), QSize(64, 64));
      } else {
        QCOMPARE(hand.bitmap().size(), QSize(32, 32));
        QCOMPARE(hand.mask().size(), QSize(32, 32));
      }
    }
    QCOMPARE(about.cursor().shape(), Qt::ArrowCursor);
  }

  void oneLineTextsFitTheirPlaces() {
    AboutWindow about(*form, shell);
    about.show();
    QCOMPARE(about.size(), kAboutWindowPixels);
    for (const char* name : {"lblTitulo", "lblCreadoPor", "lblTexEmail", "lblTexWeb", "lblClick",
                             "lblMail", "lblURL"}) {
      const QLabel* label = about.findChild<QLabel*>(name);
      QVERIFY2(label->sizeHint().width() <= label->width(), name);
      QVERIFY2(label->geometry().right() < about.width(), name);
    }
    const QLabel* notice = about.findChild<QLabel*>("lblTexto");
    QVERIFY(notice->heightForWidth(notice->width()) <= notice->height());
  }

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

QTEST_MAIN(HighDpiTest)
#include "hidpi_test.moc"
