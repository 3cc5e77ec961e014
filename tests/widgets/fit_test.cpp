// Windows in their places: after a size choice the main window lies wholly on a small screen at
// any scale. Run on Qt's offscreen platform at the scale that QT_SCALE_FACTOR gives, on its
// 800 x 600 screen or on the 1280 x 1024 one of small_screen.json.
#include <QScreen>
#include <QtTest>

#include "main_window/form1.h"
#include "platform/centring.h"
#include "platform/desktop_shell.h"
#include "platform/twips.h"

using namespace lucen;

class FitTest : public QObject {
  Q_OBJECT

  struct NoShell final : DesktopShell {
    void Open(const QUrl& /*url*/) override {}
  } shell;

 private slots:
  void aWindowGoesTheLeastWayOntoTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("topLeft");  // on the screen (100, 50, 400 x 300)
    QTest::newRow("on it") << QRect(150, 100, 200, 150) << QPoint(150, 100);
    QTest::newRow("past the right and bottom") << QRect(400, 300, 200, 150) << QPoint(300, 200);
    QTest::newRow("before the left and top") << QRect(20, 10, 200, 150) << QPoint(100, 50);
    QTest::newRow("as large") << QRect(0, 0, 400, 300) << QPoint(100, 50);
    QTest::newRow("wider") << QRect(150, 100, 500, 150) << QPoint(100, 100);
    QTest::newRow("taller, below") << QRect(150, 400, 200, 301) << QPoint(150, 50);
  }
  void aWindowGoesTheLeastWayOntoTheScreen() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, topLeft);
    QCOMPARE(OnScreenTopLeft(frame, QRect(100, 50, 400, 300)), topLeft);
  }

  void aSizeChoiceKeepsTheWholeWindowOnTheScreen() {
    Form1 form(shell);
    form.ShowCentred();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QRect screen = form.screen()->availableGeometry();
    bool moved = false;
    for (int choice = 0; choice < 5; ++choice) {
      form.findChild<QAction*>(QStringLiteral("MnuTam_%1").arg(choice))->trigger();
      const QRect frame = form.frameGeometry();
      QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                      .arg(frame.x())
                                                      .arg(frame.y())
                                                      .arg(frame.width())
                                                      .arg(frame.height())));
      // The middle of the 12000 x 9000 twips area whenever the whole window fits there.
      const QRect centred(CentredTopLeft(frame.size(), TwipsToPixels({0, 0, 12000, 9000})),
                          frame.size());
      if (screen.contains(centred)) QCOMPARE(frame.topLeft(), centred.topLeft());
      moved = moved || !screen.contains(centred);
    }
    // On a screen smaller than the area (all but the first run) the largest board needs moving.
    if (!screen.contains(TwipsToPixels({0, 0, 12000, 9000}))) QVERIFY(moved);
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
