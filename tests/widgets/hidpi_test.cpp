// The windows at the device pixel ratio given by QT_SCALE_FACTOR (run at 1, 1.5 and 2).
#include <QBitmap>
#include <QLabel>
#include <QtTest>

#include "board_view/cell_button.h"
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
    // The cells tile the board's square without gaps or overlaps, in logical pixels.
    QRegion covered;
    int area = 0;
    for (int i = 1; i <= 25; ++i) {
      covered += Cell(i)->geometry();
      area += Cell(i)->width() * Cell(i)->height();
    }
    QCOMPARE(covered.rectCount(), 1);
    QCOMPARE(covered.boundingRect(), kBoardPixels);
    QCOMPARE(area, kBoardPixels.width() * kBoardPixels.height());
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
};

QTEST_MAIN(HighDpiTest)
#include "hidpi_test.moc"
