// Windows and texts in their places: after a size choice the main window lies wholly on a small
// screen at any scale, and each English text of the about window fits the part of its label
// that shows. Run on Qt's offscreen platform at the scale that QT_SCALE_FACTOR gives.
#include <QLabel>
#include <QScreen>
#include <QtTest>

#include "about/form_quindral.h"
#include "main_window/form1.h"
#include "main_window/translations.h"
#include "platform/centring.h"
#include "platform/desktop_shell.h"

using namespace lucen;

class FitTest : public QObject {
  Q_OBJECT

  struct : DesktopShell {
    void Open(const QUrl& /*url*/) override {}
  } shell;

 private slots:
  void initTestCase() {
    InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::English));
  }

  void aWindowGoesTheLeastWayOntoTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("topLeft");  // on the screen (100, 50, 400 x 300)
    QTest::newRow("on it") << QRect(150, 100, 200, 150) << QPoint(150, 100);
    QTest::newRow("past the right and bottom") << QRect(400, 300, 200, 150) << QPoint(300, 200);
    QTest::newRow("before the left and top") << QRect(20, 10, 200, 150) << QPoint(100, 50);
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
    const QRect area = TwipsToPixels({0, 0, 12000, 9000});
    bool moved = false;
    for (int choice = 0; choice < 5; ++choice) {
      form.findChild<QAction*>(QStringLiteral("MnuTam_%1").arg(choice))->trigger();
      const QRect frame = form.frameGeometry();
      QVERIFY2(screen.contains(frame), qPrintable(QDebug::toString(frame)));
      // The middle of the area whenever the whole window fits there.
      const QRect centred(CentredTopLeft(frame.size(), area), frame.size());
      if (screen.contains(centred)) QCOMPARE(frame, centred);
      moved = moved || !screen.contains(centred);
    }
    QVERIFY(moved || screen.contains(area));  // a screen smaller than the area tests the move
  }

  void englishTextsFitTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("shown");  // in twips: within the window, left of the links
    QTest::newRow("lblCreadoPor") << "lblCreadoPor" << QRect(956, 480, 2295, 255);
    QTest::newRow("lblTexEmail") << "lblTexEmail" << QRect(1080, 4365, 1605 - 1080, 255);
    QTest::newRow("lblTexWeb") << "lblTexWeb" << QRect(1095, 4635, 1635 - 1095, 255);
    QTest::newRow("lblTexto") << "lblTexto" << QRect(240, 4980, 4260 - 240, 1005);
    QTest::newRow("lblClick") << "lblClick" << QRect(2805, 5955, 1320, 210);
  }
  void englishTextsFitTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, shown);
    const QWidget mainWindow;
    const FormQuindral about(mainWindow, shell);
    const QLabel* label = about.findChild<QLabel*>(name);
    // Laid out as the label lays out plain text: in its contents, aligned and wrapped as it is.
    const QRect text = label->fontMetrics().boundingRect(
        label->contentsRect(), int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0),
        label->text());
    const QRect place = TwipsToPixels(
        {float(shown.x()), float(shown.y()), float(shown.width()), float(shown.height())});
    QVERIFY2(place.translated(-label->pos()).contains(text), qPrintable(QDebug::toString(text)));
  }
};

QTEST_MAIN(FitTest)
#include "fit_test.moc"
